#pragma once
// One moveBall call of the lower bounds' easier games: every end the real call may have, by the
// real rules for the tile probed and for wall kicks. It is easier in that a Brick may be one
// already broken and a wall kick may happen whenever its wall is there, whichever arrows that
// needs. The ball type says what a landing, a launch and a kick do to what else it carries:
// it has x and y, and landed(y, lift), launched(x, y, glide) and kickedOff(x, way).
#include <algorithm>
#include <cstdint>
#include <functional>
#include <utility>

#include "game/MoveBall.h"
#include "game/Tiles.h"

// Which way an impulse goes: -1, 0 or +1.
constexpr std::int32_t wayOf(std::int32_t impulse) {
    return impulse > 0 ? 1 : (impulse < 0 ? -1 : 0);
}

struct Offset {
    std::int32_t dx;
    std::int32_t dy;
};

template <typename Ball>
class EasierMoves {
  public:
    // `lost`, when given, hears of each ball lost on a Mine or at the bottom edge, as it was
    // then: a route may lose a ball on purpose, to begin the stage again with what it carries.
    explicit EasierMoves(const StageMap& map, std::function<void(const Ball&)> lost = {})
        : map_(map), lost_(std::move(lost)) {}

    // `mayKick` false: no arrow is held, so no wall kicks.
    template <typename Take>
    void make(const Ball& b, Offset o, Take take, bool mayKick = true) const {
        const std::int32_t newX = b.x + o.dx;
        const std::int32_t newY = b.y + o.dy;
        const std::int32_t column = (newX + ProbeLead * o.dx) / CellSize;
        const std::int32_t row = (newY + ProbeLead * o.dy) / CellSize;
        const std::int32_t top = row * CellSize;
        const bool above = b.y < top;
        Ball moved = b;
        moved.x = newX;
        moved.y = newY;
        switch (tile(column, row)) {
            case -1:
            case Empty:
                kicked(moved, newX, newY, take, mayKick);
                break;
            case Block:
                kicked(above ? b.landed(top - BounceClearance, BounceLift) : b, newX, newY, take,
                       mayKick);
                break;
            case Brick:
                kicked(above ? b.landed(top - BounceClearance, BounceLift) : b, newX, newY, take,
                       mayKick);
                kicked(moved, newX, newY, take, mayKick);
                break;
            case Mine:
                if (lost_) {
                    lost_(b);
                }
                break;
            case Spring:
                kicked(above ? b.landed(top - SpringClearance, SpringLift) : b, newX, newY, take,
                       mayKick);
                break;
            case LeftLauncher:
                kicked(above ? b.launched(column * CellSize, top + CellSize / 2, -1) : b, newX,
                       newY, take, mayKick);
                break;
            case RightLauncher:
                kicked(above ? b.launched(column * CellSize + CellSize, top + CellSize / 2, 1) : b,
                       newX, newY, take, mayKick);
                break;
            default:
                kicked(b, newX, newY, take, mayKick);
                break;
        }
    }

  private:
    std::int32_t tile(std::int32_t column, std::int32_t row) const {
        if (column < 0 || column >= GridColumns || row < 0 || row >= GridRows) {
            return -1;
        }
        return map_[cellIndex(column, row)];
    }

    template <typename Take>
    void kicked(const Ball& after, std::int32_t newX, std::int32_t newY, Take take,
                bool mayKick) const {
        const std::int32_t row = newY / CellSize;
        clamped(after, take);
        if (!mayKick) {
            return;
        }
        if (tile((newX + KickReach) / CellSize, row) == Block) {
            clamped(after.kickedOff(newX - KickJump, -1), take);
        }
        if (tile((newX - KickReach) / CellSize, row) == Block) {
            clamped(after.kickedOff(newX + KickJump, 1), take);
        }
    }

    template <typename Take>
    void clamped(Ball b, Take take) const {
        b.x = std::clamp(b.x, 0, RightEdge);
        b.y = std::clamp(b.y, 0, BottomEdge);
        if (b.y != BottomEdge) {
            take(b);
        } else if (lost_) {
            lost_(b);
        }
    }

    const StageMap& map_;
    std::function<void(const Ball&)> lost_;
};
