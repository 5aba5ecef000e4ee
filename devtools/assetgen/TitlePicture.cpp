#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "devtools/assetgen/Draw.h"
#include "devtools/assetgen/Lettering.h"
#include "devtools/assetgen/Palette.h"
#include "devtools/assetgen/Pictures.h"

namespace assetgen {

namespace {

using namespace colours;

constexpr int Size = 300;
constexpr int Middle = Size / 2;

constexpr Rgb roofDark{18, 36, 96}, roofMid{38, 76, 164}, roofLight{84, 132, 214},
    roofShine{150, 188, 240};
constexpr Rgb wall{228, 198, 112}, wallShade{188, 156, 78};
constexpr Rgb timber{116, 66, 30}, timberDark{70, 38, 16};
constexpr Rgb doorWood{158, 96, 44}, doorGrain{112, 64, 28}, brass{236, 204, 84};
constexpr Rgb paper{244, 232, 196};
constexpr Rgb stone{150, 146, 138}, stoneDark{92, 88, 82}, stoneLight{192, 188, 178};
constexpr Rgb grass{34, 70, 38}, grassLight{58, 104, 54};

// White letters standing out of the night on a stepped grey extrusion.
void drawTitleLine(IndexedImage& image, const std::string& text, int pixelSize, int top) {
    const assetgen::GlyphCoverage ink =
        renderText({"NanumSquareRoundB.ttf", pixelSize, assetgen::GlyphRendering::Smooth}, text);
    const int left = Middle - inkBox(ink).width / 2 - 2;
    for (int depth = 4; depth >= 1; --depth) {
        stampInk(image, left + depth, top + depth, ink, {{110, depth > 2 ? grey : lightGrey}});
    }
    stampInk(image, left, top, ink, {{110, white}});
}

void drawStars(IndexedImage& image) {
    constexpr std::array<std::array<int, 3>, 14> stars{{
        {14, 18, 1},
        {52, 8, 0},
        {96, 22, 0},
        {270, 14, 1},
        {238, 40, 0},
        {284, 70, 0},
        {20, 96, 0},
        {8, 150, 1},
        {290, 128, 1},
        {262, 104, 0},
        {40, 130, 0},
        {200, 8, 0},
        {150, 4, 0},
        {120, 136, 0},
    }};
    for (auto [x, y, bright] : stars) {
        image.plot(x, y, bright ? white : grey);
        if (bright) {
            for (auto [dx, dy] : {std::array{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                image.plot(x + dx, y + dy, grey);
            }
        }
    }
}

// The ball's own trail: diagonal dots fading from white to black, drawn as the game draws it,
// along a hop from the lower left that lands on the ridge of the roof.
void drawBallTrail(IndexedImage& image) {
    constexpr double startX = 4, startY = 196, apexX = 52, apexY = 126, endX = 100, endY = 151;
    const auto height = [&](double x) {
        const double fromApex = (x - apexX) / (apexX - startX);
        return apexY + fromApex * fromApex * (x < apexX ? startY - apexY : endY - apexY);
    };
    // Dots every few pixels of path, newest (white) at the landing point.
    std::vector<std::array<int, 2>> dots;
    double travelled = 0;
    for (double x = endX; x >= startX; x -= 0.05) {
        travelled += std::hypot(0.05, height(x) - height(x + 0.05));
        if (dots.empty() || travelled >= 5.0) {
            dots.push_back(
                {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(height(x)))});
            travelled = 0;
        }
    }
    const Rgb fade[] = {white, lightGrey, grey, grey};
    for (std::size_t i = 1; i < dots.size(); ++i) {
        const Rgb colour = fade[std::min<std::size_t>(i * 4 / dots.size(), 3)];
        for (int d = -1; d <= 1; ++d) {
            image.plot(dots[i][0] + d, dots[i][1] + d, colour);
        }
    }
    const Point ball{endX + 0.5, endY - 2.5};
    fillEllipse(image, ball, 3.6, 3.6, lightGrey);
    fillEllipse(image, {ball.x - 0.6, ball.y - 0.6}, 2.8, 2.8, white);
}

// The roof's outline: narrow at the ridge, flaring out toward eaves whose tips turn up.
int roofHalfWidth(int y) {
    constexpr int ridge = 160, flare = 204;
    const double s = std::clamp((y - ridge) / double(flare - ridge), 0.0, 1.0);
    return static_cast<int>(50 + 58 * std::pow(s, 2.2));
}
int eaveBottom(int x) {
    const double d = std::abs(x - Middle) / 108.0;
    return static_cast<int>(212 - 10 * d * d * d);
}

void drawRoof(IndexedImage& image) {
    constexpr int ridge = 160;
    for (int y = ridge; y <= 212; ++y) {
        const int half = roofHalfWidth(y);
        for (int x = Middle - half; x <= Middle + half; ++x) {
            if (y > eaveBottom(x)) {
                continue;
            }
            // Tile columns fan out from the ridge; courses of tiles run across every 8 rows.
            const double spread = (x - Middle) * 108.0 / half;
            const int column = static_cast<int>(std::floor((spread + 108.0) / 7.0));
            const double within = (spread + 108.0) - column * 7.0;
            Rgb colour = roofMid;
            if (within < 1.2) {
                colour = roofShine;
            } else if (within < 3.0) {
                colour = roofLight;
            } else if (within > 5.8) {
                colour = roofDark;
            }
            if ((y - ridge) % 8 == 7) {
                colour = roofDark;
            }
            image.plot(x, y, colour);
        }
    }
    // Round tile ends along the eave, and the ridge cap with its upturned ends.
    for (int x = Middle - 104; x <= Middle + 104; x += 7) {
        const double y = eaveBottom(x) - 1.5;
        fillEllipse(image, {x + 0.5, y}, 3.2, 3.2, roofDark);
        fillEllipse(image, {x + 0.2, y - 0.3}, 2.2, 2.2, roofLight);
        image.plot(x - 1, static_cast<int>(y) - 1, roofShine);
    }
    fillRect(image, Middle - 56, ridge - 7, 112, 7, roofDark);
    fillRect(image, Middle - 56, ridge - 7, 112, 2, roofLight);
    for (int side : {-1, 1}) {
        // The cap's ends sweep upward, as on a tiled roof at home.
        for (int k = 0; k < 8; ++k) {
            const int x = Middle + side * (56 + k) - (side < 0 ? 1 : 0);
            const int lift = k * k / 5;
            fillRect(image, x, ridge - 7 - lift, 1, 7 - k / 2, roofDark);
            image.plot(x, ridge - 7 - lift, roofLight);
        }
    }
}

// A latticed paper window in a timber frame.
void drawWindow(IndexedImage& image, int left, int top) {
    fillRect(image, left - 2, top - 2, 28, 30, timber);
    fillRect(image, left, top, 24, 26, paper);
    for (int x = left + 5; x < left + 24; x += 6) {
        fillRect(image, x, top, 1, 26, timber);
    }
    for (int y = top + 6; y < top + 26; y += 6) {
        fillRect(image, left, y, 24, 1, timber);
    }
    fillRect(image, left - 2, top + 28, 28, 2, timberDark);
}

void drawDoor(IndexedImage& image) {
    constexpr int left = Middle - 17, top = 240, width = 34, height = 46;
    fillRect(image, left - 3, top - 3, width + 6, height + 3, timberDark);
    fillRect(image, left, top, width, height, doorWood);
    for (int x = left + 5; x < left + width; x += 6) {
        fillRect(image, x, top, 1, height, doorGrain);
    }
    fillRect(image, Middle - 1, top, 2, height, timberDark);
    for (int y : {top + 8, top + height - 10}) {
        fillRect(image, left, y, width, 2, doorGrain);
    }
    for (int x : {Middle - 5, Middle + 3}) {
        fillEllipse(image, {x + 1.0, top + 24.0}, 1.6, 1.6, brass);
    }
}

// The name board above the door.
void drawSign(IndexedImage& image) {
    constexpr int width = 62, height = 18, top = 218;
    const int left = Middle - width / 2;
    fillRect(image, left, top, width, height, timberDark);
    frameRect(image, left + 1, top + 1, width - 2, height - 2, brass);
    const assetgen::GlyphCoverage ink =
        renderText({"NanumGothicBold.ttf", 12, assetgen::GlyphRendering::Crisp}, "통통이네");
    const InkBox box = inkBox(ink);
    stampInk(image, Middle - box.width / 2, top + (height - box.height) / 2, ink, {{1, paper}});
}

void drawHouse(IndexedImage& image) {
    constexpr int wallLeft = Middle - 88, wallRight = Middle + 88, wallTop = 208, base = 286;
    fillRect(image, wallLeft, wallTop, wallRight - wallLeft, base - wallTop, wall);
    fillRect(image, wallLeft, wallTop, wallRight - wallLeft, 8, wallShade);  // under the eaves
    for (int x : {wallLeft, Middle - 50, Middle + 46, wallRight - 4}) {
        fillRect(image, x, wallTop, 4, base - wallTop, timber);
        fillRect(image, x + 3, wallTop, 1, base - wallTop, timberDark);
    }
    fillRect(image, wallLeft, wallTop + 6, wallRight - wallLeft, 3, timber);
    drawWindow(image, wallLeft + 14, 244);
    drawWindow(image, wallRight - 38, 244);
    drawDoor(image);
    drawRoof(image);
    drawSign(image);
    // The stone footing and a step up to the door.
    fillRect(image, wallLeft - 8, base, wallRight - wallLeft + 16, 6, stone);
    fillRect(image, wallLeft - 8, base, wallRight - wallLeft + 16, 1, stoneLight);
    fillRect(image, wallLeft - 8, base + 5, wallRight - wallLeft + 16, 1, stoneDark);
    for (int x = wallLeft; x < wallRight; x += 16) {
        fillRect(image, x, base + 1, 1, 4, stoneDark);
    }
}

void drawGround(IndexedImage& image) {
    fillRect(image, 0, 292, Size, 8, grass);
    for (int x = 0; x < Size; x += 3) {
        image.plot(x, 292 + (x * 7) % 3, grassLight);
    }
}

}  // namespace

IndexedImage titlePicture() {
    IndexedImage image(Size, Size, black);
    drawStars(image);
    drawTitleLine(image, "통통공의", 50, 16);
    drawTitleLine(image, "대모험", 58, 74);
    drawBallTrail(image);
    drawHouse(image);
    drawGround(image);
    return image;
}

}  // namespace assetgen
