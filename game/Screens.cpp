#include "game/Screens.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "assets/ResourceIds.h"
#include "display/Display.h"
#include "game/Cues.h"
#include "game/GameState.h"
#include "platform/seams/Clock.h"
#include "shell/Keyboard.h"
#include "shell/MessagePump.h"
#include "winapi/VirtualKeyCodes.h"

namespace {

struct PictureScreen {
    int bitmap;
    std::uint32_t fillValue;
    std::int32_t x;
    std::int32_t y;
    std::uint32_t pauseMs;
    // Polls that use up the presses made during the pause, before the wait.
    int discardingPolls;
};

// Each picture centred on the 640 × 480 screen (the game-over picture rounded to the right).
constexpr PictureScreen TitleScreen{resource::TitleBitmap, 0x000000, 170, 90, 2000, 0};
constexpr PictureScreen GameOverScreen{resource::GameOverBitmap, 0x000000, 210, 210, 1000, 3};
constexpr PictureScreen EndingScreen{resource::EndingBitmap, 0xFFFFFF, 112, 140, 5000, 3};
// Between two polls of a key wait the game sleeps until the desktop has news for it, but no
// longer than this: each poll still comes, only no longer back to back.
constexpr std::uint32_t KeyWaitPollMs = 10;

constexpr COLORREF CardGrey = 0x808080;
constexpr COLORREF CardWhite = 0xFFFFFF;
constexpr std::int32_t CardLeft = 300;
constexpr std::int32_t CardTop = 100;
constexpr std::int32_t CardLineSpacing = 40;
constexpr std::uint32_t CardPassMs = 10;
constexpr std::uint32_t CardFirstPauseMs = 1000;
// The game keeps no score; the card always shows this.
constexpr int CardScore = 10000;

bool down(int vk) {
    return keyboard->isDown(vk) != 0;
}

std::unique_ptr<Surface> bitmapSurface(int bitmap) {
    Surface* made = nullptr;
    display->newBitmapSurface(&made, bitmap, 0, 0);
    return std::unique_ptr<Surface>(made);
}

std::unique_ptr<Surface> cardLine(const char* format, int value) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), format, value);
    Surface* made = nullptr;
    display->newTextSurface(&made, nullptr, text.data(), CardGrey, CardWhite);
    return std::unique_ptr<Surface>(made);
}

void presentBackBuffer() {
    display->refreshBounds();
    display->present();
}

// Polls until one of the keys that leave a screen is down, or the window has closed.
void waitForKey() {
    while (SUCCEEDED(pumpMessages())) {
        keyboard->update();
        if (down(VK_RETURN) || down(VK_SPACE) || down(VK_LEFT) || down(VK_RIGHT)) {
            return;
        }
        platform::clock().awaitEvents(KeyWaitPollMs);
    }
}

void showPicture(const PictureScreen& screen) {
    display->clear(screen.fillValue);
    const std::unique_ptr<Surface> picture = bitmapSurface(screen.bitmap);
    display->blit(screen.x, screen.y, picture.get(), nullptr);
    presentBackBuffer();
    platform::clock().sleep(screen.pauseMs);
    for (int poll = 0; poll < screen.discardingPolls; ++poll) {
        keyboard->update();
    }
    waitForKey();
}

// The card's grey as the back buffer stores it, measured on a line of the card (they share
// the back buffer's format); black when no line could be made.
std::uint32_t cardFill(const std::array<std::unique_ptr<Surface>, 3>& lines) {
    for (const auto& line : lines) {
        if (line) {
            return line->toPixelValue(CardGrey);
        }
    }
    return 0;
}

}  // namespace

void showTitle() {
    showPicture(TitleScreen);
}

void showGameOver() {
    showPicture(GameOverScreen);
}

void showEnding() {
    showPicture(EndingScreen);
}

void showStageCard() {
    const std::array<std::unique_ptr<Surface>, 3> lines = {
        cardLine("Stage %d", gameState.stage),
        cardLine("Life %d", gameState.lives),
        cardLine("Score %d", CardScore),
    };
    armCue();
    playCue(Cue::StageCard);
    const std::uint32_t grey = cardFill(lines);
    for (bool firstPass = true;; firstPass = false) {
        if (FAILED(pumpMessages())) {
            return;
        }
        display->clear(grey);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const auto top = CardTop + CardLineSpacing * static_cast<std::int32_t>(i);
            display->blit(CardLeft, top, lines[i].get(), nullptr);
        }
        keyboard->update();
        presentBackBuffer();
        platform::clock().sleep(CardPassMs);
        // Every key test of a pass reads the poll made before its sleeps.
        if (firstPass) {
            platform::clock().sleep(CardFirstPauseMs);
        } else if (down(VK_RETURN) || down(VK_SPACE)) {
            return;
        }
        if (down(VK_LEFT) || down(VK_RIGHT)) {
            return;
        }
    }
}
