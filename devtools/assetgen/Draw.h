#pragma once
// Shapes for drawing pixel art into an IndexedImage. Every shape may run over the picture's
// edges; what falls outside is dropped.
#include <map>
#include <span>
#include <string_view>

#include "devtools/assetgen/IndexedImage.h"

namespace assetgen {

struct Point {
    double x;
    double y;
};

void fillRect(IndexedImage& image, int x, int y, int width, int height, Rgb colour);
void frameRect(IndexedImage& image, int x, int y, int width, int height, Rgb colour);
void drawLine(IndexedImage& image, int x0, int y0, int x1, int y1, Rgb colour);
// Pixels whose centres lie inside the ellipse; centres may fall between pixels.
void fillEllipse(IndexedImage& image, Point centre, double radiusX, double radiusY, Rgb colour);
// Pixels inside the ellipse but not inside the one `thickness` smaller.
void ringEllipse(IndexedImage& image, Point centre, double radiusX, double radiusY,
                 double thickness, Rgb colour);
// A rectangle whose corners are rounded off with the given radius.
void fillRoundedRect(IndexedImage& image, int x, int y, int width, int height, int radius,
                     Rgb colour);
// Pixels whose centres lie inside the polygon (even-odd rule).
void fillPolygon(IndexedImage& image, std::span<const Point> corners, Rgb colour);

// Copies every pixel of `source` with its top-left corner at (left, top).
void pasteImage(IndexedImage& target, const IndexedImage& source, int left, int top);

// Hand-drawn pixel art: one string per row; characters missing from the legend stay unpainted.
// Each art pixel becomes a scale x scale block.
using SpriteLegend = std::map<char, Rgb>;
void stampSprite(IndexedImage& image, int left, int top, std::span<const std::string_view> rows,
                 const SpriteLegend& legend, int scale = 1);

}  // namespace assetgen
