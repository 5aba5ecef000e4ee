#include "game/RunGame.h"

#include <cstdint>
#include <string>
#include <utility>

#include "assets/ResourceIds.h"
#include "display/Display.h"
#include "game/ConsoleLine.h"
#include "game/Cues.h"
#include "game/Draw.h"
#include "game/GameState.h"
#include "game/Screens.h"
#include "game/Stage.h"
#include "game/StepBall.h"
#include "game/Trail.h"
#include "platform/seams/Clock.h"
#include "shell/Keyboard.h"
#include "shell/MainWindow.h"
#include "shell/MessagePump.h"
#include "winapi/VirtualKeyCodes.h"

namespace {

constexpr std::uint32_t BitsPerPixel = 16;
constexpr COLORREF TrailDotsKey = 0xFF0000;  // pure blue
constexpr std::int32_t StartingLives = 12;
constexpr int SubstepsPerFrame = 4;
constexpr std::uint32_t FramePauseMs = 10;

std::function<void()> substepObserver;
std::function<void()> stageStartObserver;

// The two pictures play draws from, made once the title is over and released with the game.
class PlaySurfaces {
  public:
    PlaySurfaces() {
        display->newBitmapSurface(&tileSheet, resource::TileSheetBitmap, 0, 0);
        display->newBitmapSurface(&trailDots, resource::TrailDotsBitmap, 0, 0);
        if (trailDots != nullptr) {
            trailDots->setSourceKey(TrailDotsKey);
        }
    }
    ~PlaySurfaces() {
        delete tileSheet;
        tileSheet = nullptr;
        delete trailDots;
        trailDots = nullptr;
    }
    PlaySurfaces(const PlaySurfaces&) = delete;
    PlaySurfaces& operator=(const PlaySurfaces&) = delete;
};

bool stageOver() {
    return gameState.stageCleared != 0 || gameState.ballLost != 0;
}

// Frames until the stage is over or the window has closed. False when Escape ended the game.
bool playFrames() {
    for (;;) {
        switch (playFrame()) {
            case FrameEnd::Playing:
                break;
            case FrameEnd::Escape:
                return false;
            case FrameEnd::StageOver:
            case FrameEnd::Closed:
                return true;
        }
    }
}

void startStage() {
    gameState.stageCleared = 0;
    writeConsoleLine("stage" + std::to_string(gameState.stage));
    if (stageStartObserver) {
        stageStartObserver();
    }
    showStageCard();
    loadStage(gameState.stage);
    resetTrail();
}

// A lost ball costs a life and brings the same stage back; the last one ends the game, which
// starts again at the first stage.
void afterLostBall() {
    GameState& g = gameState;
    g.ballLost = 0;
    if (g.lives > 0) {
        g.stage -= 1;
        g.lives -= 1;
    } else {
        g.stage = FirstStage - 1;
        g.lives = StartingLives;
        showGameOver();
    }
}

}  // namespace

bool playSubstep() {
    keyboard->update();
    if (keyboard->isDown(VK_ESCAPE) != 0) {
        return false;
    }
    drawMap();
    stepBall();
    drawTrail();
    if (substepObserver) {
        substepObserver();
    }
    return true;
}

FrameEnd playFrame() {
    if (FAILED(pumpMessages())) {
        return FrameEnd::Closed;
    }
    armCue();
    for (int substep = 0; substep < SubstepsPerFrame && !stageOver(); ++substep) {
        if (!playSubstep()) {
            return FrameEnd::Escape;
        }
    }
    display->refreshBounds();
    display->present();
    platform::clock().sleep(FramePauseMs);
    return stageOver() ? FrameEnd::StageOver : FrameEnd::Playing;
}

std::function<void()> observeSubsteps(std::function<void()> observer) {
    return std::exchange(substepObserver, std::move(observer));
}

std::function<void()> observeStageStarts(std::function<void()> observer) {
    return std::exchange(stageStartObserver, std::move(observer));
}

GameEnd runGame(std::int32_t firstPlayed) {
    platform::Window* window = nullptr;
    if (FAILED(createMainWindow(&window))) {
        return GameEnd::NoWindow;
    }
    display->openWindowed(window, ScreenWidth, ScreenHeight);
    display->openFullScreen(window, ScreenWidth, ScreenHeight, BitsPerPixel);
    showTitle();
    const PlaySurfaces surfaces;

    GameState& g = gameState;
    for (g.stage = firstPlayed; g.stage <= LastStage; ++g.stage) {
        if (FAILED(pumpMessages())) {
            break;
        }
        startStage();
        if (!playFrames()) {
            return GameEnd::Escape;
        }
        if (g.ballLost != 0) {
            afterLostBall();
        }
    }
    // Only a finished last stage earns the ending; a flag left over from an earlier stage or a
    // lost ball does not.
    if (g.stage > LastStage && g.stageCleared != 0) {
        showEnding();
        return GameEnd::Ending;
    }
    return GameEnd::Closed;
}
