#pragma once
// The two pictures that play draws from, and the drawing of the map and the trail into the
// back buffer. A missing picture draws nothing.
class Surface;

// Ten 32 × 32 tiles side by side, one per tile code.
extern Surface* tileSheet;
// Four 3 × 3 dots side by side, keyed on pure blue; newer trail points take the earlier dots.
extern Surface* trailDots;

// Every cell of the working map, covering the whole back buffer.
void drawMap();

// Whether drawMap and drawTrail draw at all, and the trail follows the ball; they do until told
// otherwise. Nothing the game decides reads what they drew or the trail, so a run that shows no
// picture may leave them off.
void enablePlayDrawing(bool enabled);

// The 100 trail points, newest first, so older points cover newer ones where they overlap. A
// point on the screen's edge is not drawn: its dot would cross the back buffer's edge.
void drawTrail();
