#include "devtools/solver/LowerBound.h"

#include <array>
#include <vector>

#include "devtools/solver/EasierMoves.h"

namespace {

constexpr std::int32_t Width = GridColumns * CellSize;
constexpr std::int32_t Height = GridRows * CellSize;
// A ball indexes its place by the pixels that moveBall clamps it to.
static_assert(RightEdge == Width - 1 && BottomEdge == Height - 1);

// The ball of the easier game: where it is, and which impulses are open to it.
struct Ball {
    std::int32_t x;
    std::int32_t y;
    std::int32_t glide;  // -1, 0, +1
    std::int32_t kick;   // -1, 0, +1: the kick's calls go this way
    bool lift;
    // In a glide's substep: whether its calls have moved the ball yet. A glide whose three calls
    // leave the ball where it was ends.
    bool moved = false;

    Ball landed(std::int32_t newY, std::int32_t /*lift*/) const {
        return {x, newY, glide, kick, true, moved};
    }
    Ball launched(std::int32_t newX, std::int32_t newY, std::int32_t way) const {
        return {newX, newY, way, kick, lift, moved};
    }
    Ball kickedOff(std::int32_t newX, std::int32_t way) const {
        return {newX, y, glide, way, lift, moved};
    }
};

constexpr std::size_t Kinds = ImpulseKinds * 2;
constexpr std::size_t Places = static_cast<std::size_t>(Width * Height);

std::uint32_t indexOf(const Ball& b) {
    const auto kind =
        static_cast<std::uint32_t>(impulseKind(b.glide, b.kick, b.lift) * 2 + (b.moved ? 1 : 0));
    return (kind * Height + static_cast<std::uint32_t>(b.y)) * Width +
           static_cast<std::uint32_t>(b.x);
}

Ball ballAt(std::uint32_t index) {
    const std::uint32_t kind = index / static_cast<std::uint32_t>(Places);
    const std::uint32_t place = index % static_cast<std::uint32_t>(Places);
    const Impulses impulses = impulsesOfKind(kind / 2);
    return {static_cast<std::int32_t>(place % Width),
            static_cast<std::int32_t>(place / Width),
            impulses.glideWay,
            impulses.kickWay,
            impulses.lift,
            kind % 2 != 0};
}

// The kind of impulses a real ball may have that this one stands for.
std::size_t impulseKindOf(const Ball& b) {
    return impulseKind(b.glide, b.kick, b.lift);
}

std::vector<Offset> jitters() {
    std::vector<Offset> all;
    for (std::int32_t dy = -1; dy <= 1; ++dy) {
        for (std::int32_t dx = -1; dx <= 1; ++dx) {
            all.push_back({dx, dy});
        }
    }
    return all;
}

// The offsets of one call for this ball: the lift's and kick's calls only with their impulse
// open, the lift's sideways call at the glide's pace.
std::vector<Offset> offsetsOf(int call, const Ball& b, bool gliding) {
    static const std::vector<Offset> jitter = jitters();
    if (gliding) {
        if (call < 3) {
            return {{b.glide, 0}, {0, 0}};
        }
        return b.kick != 0 ? std::vector<Offset>{{b.kick, -1}, {b.kick, -2}}
                           : std::vector<Offset>{};
    }
    switch (call) {
        case 0:
            return {{0, 1}};
        case 1:
            return jitter;
        case 2:
            return {{0, -1}};
        case 3:
            return {{0, 1}};
        case 4:
            return {{-1, 0}};
        case 5:
            return {{1, 0}};
        case 6:
            return b.lift ? std::vector<Offset>{{b.glide, 0}} : std::vector<Offset>{};
        case 7:
            return b.lift ? std::vector<Offset>{{0, -2}, {0, -1}} : std::vector<Offset>{};
        default:
            return b.kick != 0 ? std::vector<Offset>{{b.kick, -1}, {b.kick, -2}}
                               : std::vector<Offset>{};
    }
}

constexpr int NormalCalls = 9;
constexpr int GlideCalls = 4;

}  // namespace

ImpulseKindSet kindsBrought(ImpulseKindSet kinds, std::int32_t glide, std::int32_t kick,
                            std::int32_t lift) {
    return kinds != 0 ? kinds
                      : ImpulseKindSet{1} << impulseKind(wayOf(glide), wayOf(kick), lift > 0);
}

namespace {

// The balls a start begins with.
std::vector<BoundBall> ballsOf(const BoundStart& start) {
    const ImpulseKindSet brought =
        start.kinds == 0 && start.anyImpulses
            ? AllImpulseKinds
            : kindsBrought(start.kinds, start.glide, start.kick, start.lift);
    std::vector<BoundBall> balls;
    for (std::size_t kind = 0; kind < ImpulseKinds; ++kind) {
        if ((brought >> kind & 1U) != 0) {
            balls.push_back({start.x, start.y, kind});
        }
    }
    return balls;
}

// Plays the easier game from the balls `from`, by `start`'s rules for the hover, for up to `limit`
// substeps, telling `onClear` of each ball that clears and `onLoss` of each that is lost (its kind
// and substep), until one says to stop; the substep it stopped at, if any. A ball that clears goes
// no further.
template <typename OnClear, typename OnLoss>
std::optional<std::uint64_t> play(const StageMap& map, const std::vector<BoundBall>& from,
                                  const BoundStart& start, std::uint64_t limit, OnClear onClear,
                                  OnLoss onLoss) {
    std::uint64_t substep = 1;
    bool lostEnough = false;
    const EasierMoves<Ball> calls(
        map, [&](const Ball& b) { lostEnough = onLoss(impulseKindOf(b), substep) || lostEnough; });
    // Balls seen at the start of a substep, and after each call of either kind of substep.
    std::array<std::vector<bool>, 1 + NormalCalls + GlideCalls> seen;
    for (std::vector<bool>& balls : seen) {
        balls.assign(Kinds * Places, false);
    }
    std::vector<std::uint32_t> starts;
    for (const BoundBall& ball : from) {
        const Impulses impulses = impulsesOfKind(ball.kind);
        const std::uint32_t index =
            indexOf({ball.x, ball.y, impulses.glideWay, impulses.kickWay, impulses.lift, false});
        if (!seen[0][index]) {
            seen[0][index] = true;
            starts.push_back(index);
        }
    }
    for (; substep <= limit && !starts.empty(); ++substep) {
        bool cleared = false;
        std::vector<std::uint32_t> nextStarts;
        const auto keepStart = [&](Ball b) {
            const std::uint32_t index = indexOf(b);
            if (!seen[0][index]) {
                seen[0][index] = true;
                nextStarts.push_back(index);
            }
        };
        for (const bool gliding : {false, true}) {
            std::vector<std::uint32_t> balls;
            for (const std::uint32_t index : starts) {
                Ball b = ballAt(index);
                if ((b.glide != 0) == gliding) {
                    balls.push_back(index);
                }
            }
            const int callCount = gliding ? GlideCalls : NormalCalls;
            for (int call = 0; call < callCount && !cleared; ++call) {
                std::vector<bool>& seenAfter =
                    seen[static_cast<std::size_t>(1 + call + (gliding ? NormalCalls : 0))];
                std::vector<std::uint32_t> after;
                const bool glideCall = gliding && call < GlideCalls - 1;
                std::int32_t xBefore = 0;
                const auto keep = [&](Ball b) {
                    if (b.x == RightEdge) {
                        cleared = cleared || onClear(impulseKindOf(b), substep);
                        return;
                    }
                    b.moved = b.moved || (glideCall && b.x != xBefore);
                    const std::uint32_t index = indexOf(b);
                    if (!seenAfter[index]) {
                        seenAfter[index] = true;
                        after.push_back(index);
                    }
                };
                for (const std::uint32_t index : balls) {
                    Ball b = ballAt(index);
                    xBefore = b.x;
                    if (gliding && call == 0) {
                        b.lift = false;  // a glide stops the lift
                    }
                    // Every call but the jitter may be left out; gravity only by a ball that may
                    // hover.
                    const bool mayLeaveOut = call != 1 && (call != 0 || start.mayHover);
                    if (mayLeaveOut || gliding) {
                        keep(b);
                    }
                    if (call == 0 && !gliding && start.hoversThrough) {
                        continue;
                    }
                    const bool kickCall = call == callCount - 1;
                    for (const Offset o : offsetsOf(call, b, gliding)) {
                        calls.make(b, o, [&](const Ball& moved) {
                            keep(moved);
                            // A leftward step that kicks the ball off a wall on its left makes
                            // the rightward flight's first step at once.
                            if (kickCall && b.kick < 0 && moved.kick > 0) {
                                for (const Offset right : {Offset{1, -1}, Offset{1, -2}}) {
                                    calls.make(moved, right, keep);
                                }
                            }
                        });
                    }
                }
                balls = std::move(after);
            }
            for (const std::uint32_t index : balls) {
                Ball b = ballAt(index);
                if (!gliding || b.moved) {
                    b.moved = false;
                    keepStart(b);
                }
                if (gliding) {
                    b.glide = 0;
                    b.moved = false;
                    keepStart(b);
                }
            }
        }
        if (cleared || lostEnough) {
            return substep;
        }
        starts = std::move(nextStarts);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::uint64_t> substepsAtLeast(const StageMap& map, const BoundStart& start,
                                             std::uint64_t limit) {
    return play(
        map, ballsOf(start), start, limit, [](std::size_t, std::uint64_t) { return true; },
        [](std::size_t, std::uint64_t) { return false; });
}

StageEnds stageEndsAtLeast(const StageMap& map, const BoundStart& start, std::uint64_t limit) {
    return stageEndsAtLeastFrom(map, ballsOf(start), start, limit);
}

StageEnds stageEndsAtLeastFrom(const StageMap& map, const std::vector<BoundBall>& balls,
                               const BoundStart& rules, std::uint64_t limit) {
    StageEnds first{};
    std::size_t found = 0;
    // The first substep of each end, and whether every end has been found.
    const auto record = [&](std::uint64_t& end, std::uint64_t substep) {
        if (end == 0) {
            end = substep;
            ++found;
        }
        return found == 2 * ImpulseKinds;
    };
    play(
        map, balls, rules, limit,
        [&](std::size_t kind, std::uint64_t substep) { return record(first.clear[kind], substep); },
        [&](std::size_t kind, std::uint64_t substep) { return record(first.loss[kind], substep); });
    return first;
}

std::uint64_t lowerBoundBytes() {
    // A bit per ball for each record, and at most four lists of every ball at once.
    constexpr std::uint64_t Records = 1 + NormalCalls + GlideCalls;
    constexpr std::uint64_t Lists = 4;
    return Kinds * Places * (Records / 8 + 1 + Lists * sizeof(std::uint32_t));
}
