#include "game/Draw.h"

#include "display/Display.h"
#include "game/GameState.h"
#include "game/Trail.h"
#include "winapi/WinTypes.h"

Surface* tileSheet = nullptr;
Surface* trailDots = nullptr;

namespace {

constexpr std::int32_t DotSize = 3;
// Trail points per dot of the strip: 0..32 the first dot, 33..65 the second, and so on.
constexpr std::int32_t PointsPerDot = 33;

bool playDrawn = true;

}  // namespace

void enablePlayDrawing(bool enabled) {
    playDrawn = enabled;
    keepTrailStill(!enabled);
}

void drawMap() {
    if (!playDrawn) {
        return;
    }
    RECT tile;
    for (std::int32_t row = 0; row < GridRows; ++row) {
        for (std::int32_t column = 0; column < GridColumns; ++column) {
            const std::int32_t code = gameState.map[cellIndex(column, row)];
            display->blit(column * CellSize, row * CellSize, tileSheet,
                          &makeRect(tile, code * CellSize, 0, CellSize, CellSize));
        }
    }
}

void drawTrail() {
    if (!playDrawn) {
        return;
    }
    RECT dot;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(TrailLength); ++i) {
        const TrailPoint& point = ballTrail[static_cast<std::size_t>(i)];
        display->blit(point.x - 1, point.y - 1, trailDots,
                      &makeRect(dot, i / PointsPerDot * DotSize, 0, DotSize, DotSize));
    }
}
