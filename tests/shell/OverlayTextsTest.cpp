// The words the player's layer shows: every character is in the built-in font that draws its
// line, and the keys are named as the player presses them.
#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <vector>

#include "assets/ResourceIds.h"
#include "assets/ResourceTable.h"
#include "platform/sdl/OverlayPainter.h"
#include "shell/KeysShownPanel.h"
#include "shell/OverlayTexts.h"
#include "shell/PlaybackTexts.h"
#include "shell/TimerTexts.h"

namespace {

// The code points of a UTF-8 line.
std::vector<char32_t> codePoints(const std::string& line) {
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < line.size();) {
        const auto lead = static_cast<unsigned char>(line[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            point = point << 6 | (static_cast<unsigned char>(line[i + k]) & 0x3F);
        }
        points.push_back(point);
        i += static_cast<std::size_t>(length);
    }
    return points;
}

std::vector<platform::OverlayPanel> everyPanel() {
    const ShownKeys keys;
    return {pausedPanel(keys),
            helpPanel(keys, 20, {}, HelpPlace::Desktop),
            helpPanel(keys, 20, {}, HelpPlace::Page),
            volumePanel(50, false),
            volumePanel(0, true),
            titleHintPanel(keys),
            keysShownPanel({}),
            timerPanel(3, "0:01.00", "0:09.50"),
            splitPanel(3, "0:01.00", AgainstBest{"-0:00.20", true}),
            resultsPanel({{1, "0:01.00"}}, "0:01.00", "0:00.90"),
            progressPanel({3, 40, 400}, -1, false),
            progressPanel({3, 40, 400}, 2, true),
            playbackKeysPanel(keys, true),
            playbackKeysPanel(keys, false)};
}

TEST(OverlayPainter, TheBuiltInFontsHaveEveryCharacterShown) {
    ASSERT_EQ(TTF_Init(), 0);
    for (const int id : {resource::DefaultFont, resource::HangulFont}) {
        const auto bytes = findResource(ResourceKind::Font, id);
        TTF_Font* font =
            TTF_OpenFontRW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1, 16);
        ASSERT_NE(font, nullptr) << id;
        for (const platform::OverlayPanel& panel : everyPanel()) {
            for (const platform::OverlayColumn& column : panel.columns) {
                for (const std::string& line : column) {
                    if (platform::overlayFontFor(line) != id) {
                        continue;  // drawn with the other font
                    }
                    for (const char32_t point : codePoints(line)) {
                        EXPECT_NE(TTF_GlyphIsProvided32(font, point), 0)
                            << "U+" << std::hex << static_cast<std::uint32_t>(point) << " in "
                            << line << ": run devtools/assetgen/cut-hangul-font";
                    }
                }
            }
        }
        TTF_CloseFont(font);
    }
    TTF_Quit();
}

TEST(OverlayTexts, TheKeysAreNamedAsThePlayerBoundThem) {
    const ShownKeys keys = {{"Enter", "X"}, {"Help", "F12"}, {"Pause", "P / Pause"}};
    const platform::OverlayPanel hint = titleHintPanel(keys);
    EXPECT_EQ(hint.columns[0][0], "X, Space or an arrow: start    F12: keys");
    EXPECT_EQ(pausedPanel(keys).columns[0][0], "Paused: press P / Pause to go on");
    EXPECT_EQ(helpPanel(keys, 7).columns[1].back(), "가장 멀리 간 스테이지: 7 (--continue)");
    EXPECT_EQ(volumePanel(30, false).columns[0][0], "Volume / 음량 30 %");
}

}  // namespace
