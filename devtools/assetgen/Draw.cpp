#include "devtools/assetgen/Draw.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace assetgen {

namespace {

bool insideEllipse(int x, int y, Point centre, double radiusX, double radiusY) {
    if (radiusX <= 0 || radiusY <= 0) {
        return false;
    }
    const double dx = (x + 0.5 - centre.x) / radiusX;
    const double dy = (y + 0.5 - centre.y) / radiusY;
    return dx * dx + dy * dy <= 1.0;
}

// Calls paint(x, y) for every pixel of the ellipse's bounding box that `inside` accepts.
template <typename Inside>
void paintEllipseBox(IndexedImage& image, Point centre, double radiusX, double radiusY, Rgb colour,
                     Inside inside) {
    const int left = static_cast<int>(std::floor(centre.x - radiusX));
    const int right = static_cast<int>(std::ceil(centre.x + radiusX));
    const int top = static_cast<int>(std::floor(centre.y - radiusY));
    const int bottom = static_cast<int>(std::ceil(centre.y + radiusY));
    for (int y = std::max(top, 0); y <= std::min(bottom, image.height() - 1); ++y) {
        for (int x = std::max(left, 0); x <= std::min(right, image.width() - 1); ++x) {
            if (inside(x, y)) {
                image.plot(x, y, colour);
            }
        }
    }
}

}  // namespace

void fillRect(IndexedImage& image, int x, int y, int width, int height, Rgb colour) {
    const int right = std::min(x + width, image.width());
    const int bottom = std::min(y + height, image.height());
    for (int row = std::max(y, 0); row < bottom; ++row) {
        for (int column = std::max(x, 0); column < right; ++column) {
            image.plot(column, row, colour);
        }
    }
}

void frameRect(IndexedImage& image, int x, int y, int width, int height, Rgb colour) {
    fillRect(image, x, y, width, 1, colour);
    fillRect(image, x, y + height - 1, width, 1, colour);
    fillRect(image, x, y, 1, height, colour);
    fillRect(image, x + width - 1, y, 1, height, colour);
}

void drawLine(IndexedImage& image, int x0, int y0, int x1, int y1, Rgb colour) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (true) {
        image.plot(x0, y0, colour);
        if (x0 == x1 && y0 == y1) {
            return;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

void fillEllipse(IndexedImage& image, Point centre, double radiusX, double radiusY, Rgb colour) {
    paintEllipseBox(image, centre, radiusX, radiusY, colour,
                    [&](int x, int y) { return insideEllipse(x, y, centre, radiusX, radiusY); });
}

void ringEllipse(IndexedImage& image, Point centre, double radiusX, double radiusY,
                 double thickness, Rgb colour) {
    paintEllipseBox(image, centre, radiusX, radiusY, colour, [&](int x, int y) {
        return insideEllipse(x, y, centre, radiusX, radiusY) &&
               !insideEllipse(x, y, centre, radiusX - thickness, radiusY - thickness);
    });
}

void fillRoundedRect(IndexedImage& image, int x, int y, int width, int height, int radius,
                     Rgb colour) {
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column) {
            // How far into a corner square the pixel lies; negative outside the corner squares.
            const int cornerX = std::max(x + radius - column - 1, column - (x + width - radius));
            const int cornerY = std::max(y + radius - row - 1, row - (y + height - radius));
            const double dx = cornerX + 0.5;
            const double dy = cornerY + 0.5;
            if (cornerX < 0 || cornerY < 0 || dx * dx + dy * dy <= double(radius) * radius) {
                image.plot(column, row, colour);
            }
        }
    }
}

void fillPolygon(IndexedImage& image, std::span<const Point> corners, Rgb colour) {
    if (corners.size() < 3) {
        return;
    }
    std::vector<double> crossings;
    for (int y = 0; y < image.height(); ++y) {
        const double centreY = y + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const Point a = corners[i];
            const Point b = corners[(i + 1) % corners.size()];
            if ((a.y <= centreY) != (b.y <= centreY)) {
                crossings.push_back(a.x + (centreY - a.y) * (b.x - a.x) / (b.y - a.y));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            // Half-open spans, so polygons that share an edge never both paint it.
            const int first = static_cast<int>(std::ceil(crossings[i] - 0.5));
            const int last = static_cast<int>(std::ceil(crossings[i + 1] - 0.5)) - 1;
            for (int x = std::max(first, 0); x <= std::min(last, image.width() - 1); ++x) {
                image.plot(x, y, colour);
            }
        }
    }
}

void pasteImage(IndexedImage& target, const IndexedImage& source, int left, int top) {
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            target.plot(left + x, top + y, source.colourAt(x, y));
        }
    }
}

void stampSprite(IndexedImage& image, int left, int top, std::span<const std::string_view> rows,
                 const SpriteLegend& legend, int scale) {
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t column = 0; column < rows[row].size(); ++column) {
            const auto ink = legend.find(rows[row][column]);
            if (ink != legend.end()) {
                fillRect(image, left + scale * static_cast<int>(column),
                         top + scale * static_cast<int>(row), scale, scale, ink->second);
            }
        }
    }
}

}  // namespace assetgen
