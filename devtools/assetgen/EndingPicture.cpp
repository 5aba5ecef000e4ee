#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "devtools/assetgen/Draw.h"
#include "devtools/assetgen/Lettering.h"
#include "devtools/assetgen/Palette.h"
#include "devtools/assetgen/Pictures.h"

namespace assetgen {

namespace {

using namespace colours;

constexpr int Width = 416;
constexpr int Height = 200;

// The rescued princess, drawn pixel by pixel: crown, long blonde hair, pink dress.
constexpr std::array<std::string_view, 56> Princess{
    ".........k...k...k.........", "........kYk.kYk.kYk........", "........kYYkYrYkYYk........",
    ".......kkYYYYYYYYYkk.......", ".....kkHkyYrYbYrYykHkk.....", "....kHHHHkkkkkkkkkHHHHk....",
    "...kHHLLHHHHHHHHHHHHHHHk...", "..kHHLLHHHHHHHHHHHHHhHHHk..", "..kHLHHHHHHHHHHHHHHHHhHHk..",
    ".kHHHHHHhHHHHHHhHHHHHHhHHk.", ".kHHHHHhSHHHHHhSShHHHHhHHk.", ".kHHHHhSSSHHHhSSSSShHHHhHk.",
    ".kHHHhSSSSShhSSSSSSShHHhHk.", ".kHHhSSSSSSSSSSSSSSSShHhHk.", ".kHHhSSSSSSSSSSSSSSSShHhHk.",
    ".kHHhSSSkkSSSSSSSkkSShHhHk.", ".kHHhSSSewSSSSSSSewSShHhHk.", ".kHHhSSSeeSSSSSSSeeSShHhHk.",
    ".kHHhScSSSSSSSSSSSSScShHHk.", ".kHHHhSSSSSSmSmSSSSSShHHHk.", ".kHHHhSSSSSSSmSSSSSSShHHHk.",
    ".kHHHHhsSSSSSSSSSSSshHHHHk.", ".kHHHHHhsSSSSSSSSSshHHHHHk.", ".kHHHHHHhssSSSSSsshHHHHHHk.",
    ".kHHHHHHHhkkSSSkkhHHHHHHHk.", ".kHHHHHHHHk.sSs.kHHHHHHHHk.", ".kHHHHHHkkQQkskQQkkHHHHHHk.",
    ".kHHHHHkQQQQPkPQQQQkHHHHHk.", ".kHHHHkQQQQQPPPQQQQQkHHHHk.", ".kHHHHkQQQQPPQPPQQQQkHHHHk.",
    ".kHHHHkpQQQPPQPPQQQpkHHHHk.", "..kHHHkkppkPPQPPkppkkHHHk..", "..kHHHkSkkkPPQPPkkkSkHHHk..",
    "..kHHHkSSkPPPQPPPkSSkHHk...", "...kHHkkSSkPPQPPkSSkkHHk...", "...kHHhkkSSkkkkkSSkkhHk....",
    "....kHhkPkSSSSSSSkPkhHk....", "....kHkPPPkSSSSSkPPPkHk....", ".....kkPPPPkkkkkPPPPkk.....",
    ".....kPPPPPPPQPPPPPPpk.....", ".....kPPPPPPQQPPPPPPpk.....", "....kPPPPPPPQPPPPPPPppk....",
    "....kPPPPPPQQPPPPPPPppk....", "...kPPPPPPPQPPPPPPPPPppk...", "...kPPPPPPQQPPPPPPPPPppk...",
    "..kPPPPPPPQPPPPPPPPPPPppk..", "..kPPPPPPQQPPPPPPPPPPPppk..", ".kPPPPPPPQPPPPPPPPPPPPPppk.",
    ".kPPPPPPQQPPPPPPPPPPPPPppk.", "kPPPPPPPQPPPPPPPPPPPPPPPppk", "kWPWWPWWPWWPWWPWWPWWPWWPWWk",
    "kWWWWWWWWWWWWWWWWWWWWWWWWWk", ".kWkkWkkWkkWkkWkkWkkWkkWkk.", "..........kook.kook........",
    "..........kook.kook........", "...........kk...kk.........",
};

const SpriteLegend& princessLegend() {
    static const SpriteLegend legend{
        {'k', {70, 30, 50}},     // outline
        {'Y', {246, 206, 52}},   // gold
        {'y', {196, 140, 24}},   // goldShade
        {'r', {220, 36, 64}},    // ruby
        {'b', {60, 120, 230}},   // sapphire
        {'H', {250, 218, 104}},  // hair
        {'h', {214, 160, 56}},   // hairShade
        {'L', {255, 244, 178}},  // hairShine
        {'S', {255, 218, 186}},  // skin
        {'s', {236, 176, 146}},  // skinShade
        {'c', {250, 160, 160}},  // blush
        {'e', {40, 64, 150}},    // iris
        {'w', {255, 255, 255}},  // white
        {'m', {196, 70, 90}},    // lips
        {'P', {246, 146, 190}},  // dress
        {'p', {214, 96, 150}},   // dressShade
        {'Q', {255, 202, 226}},  // dressLight
        {'W', {255, 255, 255}},  // white
        {'o', {150, 40, 96}},    // shoe
    };
    return legend;
}

constexpr std::array<std::string_view, 8> Heart{
    ".kk...kk.", "kQPk.kPPk", "kQPPkPPpk", "kPPPPPPpk",
    ".kPPPPpk.", "..kPPpk..", "...kpk...", "....k....",
};

constexpr int Scale = 2;  // the princess is drawn in double-size pixels
constexpr int PrincessLeft = 6;
constexpr int PrincessTop = Height - 4 - Scale * static_cast<int>(Princess.size());

// The triangle whose edges lie `by` pixels inside those of `corners`.
std::array<Point, 3> shrunk(const std::array<Point, 3>& corners, double by) {
    double perimeter = 0;
    Point incentre{0, 0};
    for (std::size_t i = 0; i < 3; ++i) {
        const Point a = corners[(i + 1) % 3];
        const Point b = corners[(i + 2) % 3];
        const double opposite = std::hypot(a.x - b.x, a.y - b.y);
        perimeter += opposite;
        incentre.x += opposite * corners[i].x;
        incentre.y += opposite * corners[i].y;
    }
    incentre = {incentre.x / perimeter, incentre.y / perimeter};
    const Point a = corners[0], b = corners[1], c = corners[2];
    const double area = std::abs((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y)) / 2;
    const double factor = 1.0 - by / (2 * area / perimeter);
    std::array<Point, 3> inner{};
    for (std::size_t i = 0; i < 3; ++i) {
        inner[i] = {incentre.x + (corners[i].x - incentre.x) * factor,
                    incentre.y + (corners[i].y - incentre.y) * factor};
    }
    return inner;
}

// The speech balloon: a rounded box with a navy rim and a tail pointing to the princess.
void drawBalloon(IndexedImage& image, int left, int top, int width, int height) {
    constexpr Rgb paper{255, 255, 255};
    constexpr int Rim = 2;
    const std::array<Point, 3> tail{{{left + 10.0, top + 84.0},
                                     {left + 10.0, top + 112.0},
                                     {PrincessLeft + 56.0, PrincessTop + 36.0}}};
    fillRoundedRect(image, left, top, width, height, 20, navy);
    fillPolygon(image, tail, navy);
    fillRoundedRect(image, left + Rim, top + Rim, width - 2 * Rim, height - 2 * Rim, 20 - Rim,
                    paper);
    fillPolygon(image, shrunk(tail, Rim), paper);
}

void drawThanks(IndexedImage& image, int centreX, int top) {
    const char* lines[] = {
        "공아, 정말 고마워!",
        "네가 구해 주지 않았다면",
        "나는 아직도 갇혀 있었을 거야.",
        "너는 나의 영웅이야!",
    };
    constexpr int LineGap = 36;
    for (const char* line : lines) {
        const assetgen::GlyphCoverage ink =
            renderText({"NanumGothicBold.ttf", 18, assetgen::GlyphRendering::Crisp}, line);
        stampInk(image, centreX - inkBox(ink).width / 2, top, ink, {{1, navy}});
        top += LineGap;
    }
}

}  // namespace

IndexedImage endingPicture() {
    IndexedImage image(Width, Height, nearWhite);
    constexpr int balloonLeft = 82, balloonTop = 10, balloonWidth = 326, balloonHeight = 180;
    drawBalloon(image, balloonLeft, balloonTop, balloonWidth, balloonHeight);
    drawThanks(image, balloonLeft + balloonWidth / 2, balloonTop + 26);
    stampSprite(image, PrincessLeft, PrincessTop, Princess, princessLegend(), Scale);
    // Little hearts rising from her: she is glad.
    stampSprite(image, 50, 44, Heart, princessLegend());
    stampSprite(image, 24, 24, Heart, princessLegend());
    stampSprite(image, 58, 10, Heart, princessLegend());
    return image;
}

}  // namespace assetgen
