#include <array>
#include <cmath>
#include <string_view>

#include "devtools/assetgen/Draw.h"
#include "devtools/assetgen/Palette.h"
#include "devtools/assetgen/Pictures.h"

namespace assetgen {

namespace {

using namespace colours;

constexpr int Cell = 32;

IndexedImage blankCell(Rgb fill) {
    IndexedImage cell(Cell, Cell, {black, white, lightGrey, grey, maroon});
    fillRect(cell, 0, 0, Cell, Cell, fill);
    return cell;
}

// A raised edge: light along the top and left, dark along the bottom and right, `inset` pixels
// in from the cell's border.
void bevel(IndexedImage& cell, int inset, Rgb light, Rgb dark) {
    const int far = Cell - 1 - inset;
    fillRect(cell, inset, inset, far - inset + 1, 1, light);
    fillRect(cell, inset, inset, 1, far - inset + 1, light);
    fillRect(cell, inset, far, far - inset + 1, 1, dark);
    fillRect(cell, far, inset, 1, far - inset + 1, dark);
}

// A cell standing out of the playfield: lit along its top and left edges, shaded along the others.
IndexedImage raisedCell(Rgb face) {
    IndexedImage cell = blankCell(face);
    bevel(cell, 0, white, black);
    return cell;
}

// Cell 1: the solid wall block.
IndexedImage block() {
    IndexedImage cell = blankCell(maroon);
    for (int i = 4; i < Cell - 4; i += 2) {
        for (int edge : {1, Cell - 2}) {
            cell.plot(i + 1, edge, lightGrey);
            cell.plot(edge, i + 1, lightGrey);
        }
    }
    for (int x : {0, Cell - 4}) {
        for (int y : {0, Cell - 4}) {
            fillRect(cell, x, y, 4, 4, black);
        }
    }
    fillRect(cell, 15, 15, 2, 2, grey);
    for (double x : {9.0, 23.0}) {
        for (double y : {9.0, 23.0}) {
            ringEllipse(cell, {x, y}, 3.0, 3.0, 1.2, grey);
        }
    }
    return cell;
}

// Cell 2: cracked stone. The pieces are the regions nearest to hand-placed seeds; a pixel whose
// nearest seed differs from its right or lower neighbour's is a crack.
IndexedImage brick() {
    constexpr std::array<std::array<double, 2>, 8> seeds{{
        {5, 6},
        {18, 4},
        {28, 11},
        {11, 16},
        {22, 19},
        {4, 27},
        {15, 28},
        {28, 27},
    }};
    const auto pieceAt = [&](int x, int y) {
        int nearest = 0;
        double best = 1e9;
        for (std::size_t i = 0; i < seeds.size(); ++i) {
            const double dx = x - seeds[i][0];
            const double dy = y - seeds[i][1];
            // Mixing in the larger axis distance bends the cracks into rough, stony angles.
            const double distance = dx * dx + dy * dy + 6 * std::max(std::abs(dx), std::abs(dy));
            if (distance < best) {
                best = distance;
                nearest = static_cast<int>(i);
            }
        }
        return nearest;
    };
    IndexedImage cell = blankCell(grey);
    for (int y = 0; y < Cell; ++y) {
        for (int x = 0; x < Cell; ++x) {
            const int piece = pieceAt(x, y);
            const bool crack = (x + 1 < Cell && pieceAt(x + 1, y) != piece) ||
                               (y + 1 < Cell && pieceAt(x, y + 1) != piece);
            const bool litEdge =
                (x > 0 && pieceAt(x - 1, y) != piece) || (y > 0 && pieceAt(x, y - 1) != piece);
            const double dx = x - (seeds[piece][0] - 2);
            const double dy = y - (seeds[piece][1] - 2);
            const bool patch = dx * dx + dy * dy < 10 && (x + y) % 2 == 0;
            if (crack) {
                cell.plot(x, y, black);
            } else if (litEdge) {
                cell.plot(x, y, lightGrey);
            } else if (patch) {
                cell.plot(x, y, white);
            }
        }
    }
    frameRect(cell, 0, 0, Cell, Cell, black);
    return cell;
}

// Cell 3: a bomb in a bevelled frame, its fuse lit.
IndexedImage mine() {
    IndexedImage cell = raisedCell(grey);
    bevel(cell, 1, lightGrey, grey);
    bevel(cell, 4, grey, white);
    fillRect(cell, 5, 5, Cell - 10, Cell - 10, maroon);
    fillEllipse(cell, {15.0, 18.0}, 8.0, 8.0, black);
    fillRect(cell, 18, 9, 4, 3, grey);
    // A shine on the bomb's upper left; the fuse rising from its cap to a spark.
    constexpr std::array<std::string_view, 12> details{
        "..............L..", ".............W.W.", "..............W.L", ".............L.W.",
        "............L....", "...........L.....", ".................", ".................",
        ".................", "...WW............", "..WL.............", "..W..............",
    };
    stampSprite(cell, 8, 3, details, {{'W', white}, {'L', lightGrey}});
    return cell;
}

// Cell 4: the spring pad, a plain dark square in a raised light rim.
IndexedImage spring() {
    IndexedImage cell = raisedCell(grey);
    bevel(cell, 1, lightGrey, lightGrey);
    bevel(cell, 2, lightGrey, lightGrey);
    bevel(cell, 3, black, white);
    return cell;
}

// A screw head on a plate, its top-left corner at (x, y).
void bolt(IndexedImage& cell, int x, int y) {
    constexpr std::array<std::string_view, 4> rows{
        ".WL.",
        "WLGK",
        "LGGK",
        ".KK.",
    };
    stampSprite(cell, x, y, rows, {{'W', white}, {'L', lightGrey}, {'G', grey}, {'K', black}});
}

// Cells 5 and 6: a plate with a grey arrow outlined in maroon, pointing along `direction`
// (-1 left, +1 right).
IndexedImage launcher(int direction) {
    IndexedImage cell = raisedCell(lightGrey);
    bevel(cell, 1, lightGrey, grey);
    for (int x : {3, Cell - 7}) {
        for (int y : {3, Cell - 7}) {
            bolt(cell, x, y);
        }
    }
    const auto x = [&](double fromLeftTip) {
        return direction < 0 ? fromLeftTip : Cell - fromLeftTip;
    };
    // The slanted edges run between pixel centres, so the two arrows are exact mirror images.
    const std::array<Point, 7> arrow{{
        {x(5.5), 16},
        {x(15), 6.5},
        {x(15), 12},
        {x(27), 12},
        {x(27), 20},
        {x(15), 20},
        {x(15), 25.5},
    }};
    IndexedImage mask(Cell, Cell, {black, white});
    fillPolygon(mask, arrow, white);
    const auto inArrow = [&](int px, int py) {
        return mask.colourAt(px, py) == white && mask.contains(px, py);
    };
    for (int py = 0; py < Cell; ++py) {
        for (int px = 0; px < Cell; ++px) {
            if (!inArrow(px, py)) {
                continue;
            }
            const bool edge = !inArrow(px - 1, py) || !inArrow(px + 1, py) ||
                              !inArrow(px, py - 1) || !inArrow(px, py + 1);
            cell.plot(px, py, edge ? maroon : grey);
        }
    }
    return cell;
}

}  // namespace

IndexedImage tileSheet() {
    const IndexedImage cells[] = {
        blankCell(black), block(),      brick(),          mine(),           spring(),
        launcher(-1),     launcher(+1), blankCell(white), blankCell(white), blankCell(white),
    };
    IndexedImage sheet(10 * Cell, Cell, {black, white, lightGrey, grey, maroon});
    for (int code = 0; code < 10; ++code) {
        pasteImage(sheet, cells[code], code * Cell, 0);
    }
    return sheet;
}

}  // namespace assetgen
