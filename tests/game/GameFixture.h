#pragma once
// A fresh game for every test: initial GameState, the random sequence from its start, the walled
// box of stage table entry 0 as the map, no key down, and seams that count sleeps and record cues.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>

#include "game/GameState.h"
#include "game/Random.h"
#include "game/Stage.h"
#include "platform/Audio.h"
#include "platform/Clock.h"
#include "platform/KeySource.h"
#include "shell/Keyboard.h"

// An (x, y) position or offset in pixels.
using Pixel = std::array<std::int32_t, 2>;

class GameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::installClock(clock);
        platform::installAudioOut(audio);
        platform::installKeySource(keys);
        newGame();
    }

    void TearDown() override {
        keyboard = nullptr;
        platform::installClock(previousClock_);
        platform::installAudioOut(previousAudio_);
        platform::installKeySource(previousKeys_);
    }

    void newGame() {
        gameState = GameState{};
        randomState = 1;
        loadStage(0);
        keys = {};
        clock = {};
        audio.played.clear();
        board.emplace();  // polls the scripted keys, as start-up polls the real ones
        keyboard = &*board;
    }

    void placeBall(std::int32_t x, std::int32_t y) {
        gameState.ballX = x;
        gameState.ballY = y;
    }

    // Everything slept since the test began, in milliseconds.
    std::uint64_t sleptMs() const { return clock.waitedNs() / 1'000'000; }

    Pixel ball() const { return {gameState.ballX, gameState.ballY}; }

    void setCell(std::int32_t column, std::int32_t row, std::int32_t code) {
        gameState.map[cellIndex(column, row)] = code;
    }

    platform::VirtualClock clock;
    platform::RecordingAudio audio;
    platform::ScriptedKeySource keys;
    std::optional<Keyboard> board;

  private:
    platform::Clock& previousClock_ = platform::clock();
    platform::AudioOut& previousAudio_ = platform::audioOut();
    platform::KeySource& previousKeys_ = platform::keySource();
};
