#include "game/MoveBall.h"

#include "game/Cues.h"
#include "game/GameState.h"
#include "game/Median3.h"
#include "game/Stage.h"
#include "platform/seams/Clock.h"
#include "shell/Keyboard.h"
#include "winapi/VirtualKeyCodes.h"

namespace {

constexpr std::uint32_t MinePauseMs = 1500;
constexpr std::uint32_t ClearedPauseMs = 700;
constexpr std::uint32_t FallPauseMs = 500;

// What the tile in the probe cell does to a step toward it.
void actOnProbedTile(std::int32_t newX, std::int32_t newY, std::int32_t column, std::int32_t row) {
    GameState& g = gameState;
    const std::int32_t top = row * CellSize;
    const bool above = g.ballY < top;
    switch (tileAt(column, row)) {
        case -1:
        case Empty:
            g.ballX = newX;
            g.ballY = newY;
            break;
        case Block:
            if (above) {
                g.lift = BounceLift;
                playCue(Cue::Bounce);
                g.ballY = top - BounceClearance;
            }
            break;
        case Brick:
            if (above) {
                g.map[cellIndex(column, row)] = Empty;
                g.lift = BounceLift;
                playCue(Cue::BrickBreak);
                g.ballY = top - BounceClearance;
            }
            break;
        case Mine:
            playCue(Cue::Explosion);
            platform::clock().sleep(MinePauseMs);
            g.ballLost = 1;
            break;
        case Spring:
            if (above) {
                playCue(Cue::SpringBounce);
                g.lift = SpringLift;
                g.ballY = top - SpringClearance;
            }
            break;
        case LeftLauncher:
            if (above) {
                g.ballX = column * CellSize;
                g.ballY = top + CellSize / 2;
                g.glide = -1;
                playCue(Cue::Launch);
            }
            break;
        case RightLauncher:
            if (above) {
                g.ballX = column * CellSize + CellSize;
                g.ballY = top + CellSize / 2;
                g.glide = 1;
                playCue(Cue::Launch);
            }
            break;
        default:
            break;
    }
}

// A wall on one side and the arrow pointing away from it throw the ball off that wall.
void tryWallKicks(std::int32_t newX, std::int32_t newY) {
    GameState& g = gameState;
    const std::int32_t row = newY / CellSize;
    if (tileAt((newX + KickReach) / CellSize, row) == Block && keyboard->isDown(VK_LEFT)) {
        g.ballX = newX - KickJump;
        g.kick = -KickCount;
        playCue(Cue::WallKick);
    }
    if (tileAt((newX - KickReach) / CellSize, row) == Block && keyboard->isDown(VK_RIGHT)) {
        g.ballX = newX + KickJump;
        g.kick = KickCount;
        playCue(Cue::WallKick);
    }
}

}  // namespace

void moveBall(std::int32_t dx, std::int32_t dy) {
    GameState& g = gameState;
    const std::int32_t newX = g.ballX + dx;
    const std::int32_t newY = g.ballY + dy;
    actOnProbedTile(newX, newY, (newX + ProbeLead * dx) / CellSize,
                    (newY + ProbeLead * dy) / CellSize);
    tryWallKicks(newX, newY);

    g.ballX = median3(0, g.ballX, RightEdge);
    g.ballY = median3(0, g.ballY, BottomEdge);
    // Checked on every call, so a ball resting on an edge pauses again each time.
    if (g.ballX == RightEdge) {
        g.stageCleared = 1;
        playCue(Cue::StageClear);
        platform::clock().sleep(ClearedPauseMs);
    }
    if (g.ballY == BottomEdge) {
        g.ballLost = 1;
        playCue(Cue::Fall);
        platform::clock().sleep(FallPauseMs);
    }
}
