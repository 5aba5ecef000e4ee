#pragma once
// A fresh game for every test: initial GameState, the random sequence from its start, the walled
// box of stage table entry 0 as the map, no key down, and seams that count sleeps and record cues.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "game/GameState.h"
#include "game/Stage.h"
#include "harness/InstalledSeams.h"

// An (x, y) position or offset in pixels.
using Pixel = std::array<std::int32_t, 2>;

class GameTest : public ::testing::Test {
  protected:
    void SetUp() override { newGame(); }

    void newGame() {
        game.restart();
        loadStage(0);
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

    InMemoryGame game;
    platform::VirtualClock& clock = game.clock;
    platform::RecordingAudio& audio = game.audio;
    platform::ScriptedKeySource& keys = game.keys;
};
