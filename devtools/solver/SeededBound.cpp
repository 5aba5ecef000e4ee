#include "devtools/solver/SeededBound.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <vector>

#include "devtools/solver/EasierMoves.h"
#include "game/GameState.h"
#include "game/Random.h"
#include "game/StepBall.h"

namespace {

enum Hover : std::int32_t { MayHover, Hovering, LetGo };

struct Ball {
    std::int32_t x;
    std::int32_t y;
    std::int32_t glide;  // -1, 0, +1
    std::int32_t kick;   // -1, 0, +1: the way the kick flies
    std::int32_t hover;
    std::int32_t liftLeft;
    std::int32_t kickLeft;

    Ball landed(std::int32_t newY, std::int32_t lift) const {
        Ball b = *this;
        b.y = newY;
        b.liftLeft = lift;
        return b;
    }
    Ball launched(std::int32_t newX, std::int32_t newY, std::int32_t way) const {
        Ball b = *this;
        b.x = newX;
        b.y = newY;
        b.glide = way;
        return b;
    }
    Ball kickedOff(std::int32_t newX, std::int32_t way) const {
        Ball b = *this;
        b.x = newX;
        b.kick = way;
        b.kickLeft = KickCount;
        return b;
    }
};

// Sets of draws, as bits: bit d stands for the route that has made d draws since the start.
using Word = std::uint64_t;
constexpr std::size_t WordBits = 64;
// The most draws a substep takes: the jitter's two, Up's and Down's.
constexpr std::size_t MostDraws = 4;

std::size_t wordsFor(std::size_t draws) {
    return draws / WordBits + 1;
}

class DrawSet {
  public:
    explicit DrawSet(std::size_t words) : words_(words, 0) {}

    void set(std::size_t d) { words_[d / WordBits] |= Word{1} << (d % WordBits); }
    const Word* data() const { return words_.data(); }

  private:
    std::vector<Word> words_;
};

// The draws of the random sequence from the start, and which routes' next draws do what.
class Draws {
  public:
    Draws(std::uint32_t random, std::size_t most)
        : jitters_(9, DrawSet(wordsFor(most))),
          thirds_(MostDraws + 1, DrawSet(wordsFor(most))),
          upInHover_(wordsFor(most)) {
        // Drawn by the game's own generator, which is put back as it was; one search at a time.
        static std::mutex generator;
        const std::lock_guard<std::mutex> held(generator);
        std::vector<std::int32_t> drawn(most + MostDraws + 1);
        const std::uint32_t saved = randomState;
        randomState = random;
        for (std::size_t k = 1; k < drawn.size(); ++k) {
            drawn[k] = nextRandom();
        }
        randomState = saved;
        for (std::size_t d = 0; d <= most; ++d) {
            // The jitter draws its vertical offset first.
            const std::int32_t dy = drawn[d + 1] % 3 - 1;
            const std::int32_t dx = drawn[d + 2] % 3 - 1;
            jitters_[static_cast<std::size_t>((dy + 1) * 3 + dx + 1)].set(d);
            for (std::size_t after = 1; after <= MostDraws; ++after) {
                if (drawn[d + after] % 3 == 0) {
                    thirds_[after].set(d);
                }
            }
            if (drawn[d + 3] % 4 != 0) {
                upInHover_.set(d);
            }
        }
    }

    // Routes whose jitter is offset `o` (dy major, dx minor, each -1 to 1, as index 0 to 8).
    const Word* jitter(std::size_t o) const { return jitters_[o].data(); }
    // Routes whose draw `after` draws on from the substep's start is a multiple of three: Up's
    // and Down's draws move the ball then.
    const Word* third(std::size_t after) const { return thirds_[after].data(); }
    // Routes whose hovering Up moves the ball (its draw, the third, not a multiple of four).
    const Word* upInHover() const { return upInHover_.data(); }

  private:
    std::vector<DrawSet> jitters_;
    std::vector<DrawSet> thirds_;
    DrawSet upInHover_;
};

// The balls reached at one point of a substep, each with the draws of the routes that reach
// it and how many draws the substep has taken so far: a ball at one place with one count of
// draws and counters in step is kept once, with every route's draws and the more of each
// counter. Each ball's draws
// take `words` words, enough for every count of draws this substep may reach. The balls at one
// place are chained from that place's first, so finding one touches little memory.
class Layer {
  public:
    Layer() : first_(Places * Heads, None) {}

    void clear(std::size_t words) {
        words_ = words;
        for (const Ball& ball : balls_) {
            first_[headOf(ball)] = None;
        }
        balls_.clear();
        kinds_.clear();
        chained_.clear();
        drawn_.clear();
        draws_.clear();
    }

    // `draws` has `count` words, at most this layer's.
    void add(const Ball& ball, std::int32_t drawn, const Word* draws, std::size_t count) {
        const std::int32_t kick = ball.kickLeft == 0 ? 0 : ball.kick;
        // Counters merge only in step with each other, so that each rises as the real one would.
        const std::int32_t liftPhase = ball.liftLeft % 2;
        const std::int32_t kickPhase = kick == 0 ? 0 : ball.kickLeft % (kick > 0 ? 2 : 3);
        const auto kind = static_cast<std::uint32_t>(
            (((((ball.glide + 1) * 3 + kick + 1) * 3 + ball.hover) * 2 + liftPhase) * 3 +
             kickPhase) *
                8 +
            drawn);
        Ball normal = ball;
        normal.kick = kick;
        std::uint32_t& first = first_[headOf(normal)];
        std::uint32_t entry = first;
        while (entry != None && kinds_[entry] != kind) {
            entry = chained_[entry];
        }
        if (entry == None) {
            entry = static_cast<std::uint32_t>(balls_.size());
            balls_.push_back(normal);
            kinds_.push_back(kind);
            chained_.push_back(first);
            first = entry;
            drawn_.push_back(drawn);
            draws_.resize(draws_.size() + words_, 0);
        }
        Ball& kept = balls_[entry];
        kept.liftLeft = std::max(kept.liftLeft, ball.liftLeft);
        kept.kickLeft = std::max(kept.kickLeft, ball.kickLeft);
        Word* into = &draws_[entry * words_];
        for (std::size_t w = 0; w < count; ++w) {
            into[w] |= draws[w];
        }
    }

    std::size_t words() const { return words_; }
    std::size_t size() const { return balls_.size(); }
    const Ball& ball(std::size_t i) const { return balls_[i]; }
    std::int32_t drawn(std::size_t i) const { return drawn_[i]; }
    const Word* draws(std::size_t i) const { return &draws_[i * words_]; }

  private:
    static constexpr std::uint32_t None = 0xffffffff;
    static constexpr std::size_t Places = static_cast<std::size_t>(GridColumns * CellSize) *
                                          static_cast<std::size_t>(GridRows * CellSize);

    // The balls at a place are chained by hover and kick, so that each chain stays short.
    static constexpr std::size_t Heads = 3 * 3;
    static std::size_t headOf(const Ball& ball) {
        return static_cast<std::size_t>(
            ((ball.y * GridColumns * CellSize + ball.x) * 3 + ball.hover) * 3 + ball.kick + 1);
    }

    std::size_t words_ = 1;
    std::vector<std::uint32_t> first_;
    std::vector<Ball> balls_;
    std::vector<std::uint32_t> kinds_;
    std::vector<std::uint32_t> chained_;
    std::vector<std::int32_t> drawn_;
    std::vector<Word> draws_;
};

// The draws with which each ball has started a substep so far. A ball that starts one later,
// at the same place with the same impulses and hover, with none of the lift or kick left and
// with draws among those, can do nothing that the earlier one could not do sooner: it is left
// out. A ball that may still come to hover is not, unless it may from the start, since the later
// one is nearer to it.
class Started {
  public:
    // `mayHoverAnyTime`: whether a ball that may hover may do so from the first substep on; then
    // it is left out like any other.
    Started(std::size_t words, bool mayHoverAnyTime)
        : words_(words), mayHoverAnyTime_(mayHoverAnyTime), slots_(Keys, None) {}

    // Whether every ball has been kept here, so that balls() has every ball that has started.
    bool keepsEvery() const { return !passedOver_; }

    // Each place and kind of impulses at which a ball has started.
    std::vector<BoundBall> balls() const {
        std::vector<BoundBall> all;
        for (std::size_t key = 0; key < Keys; ++key) {
            if (slots_[key] != None) {
                const std::size_t place = key / 3 / ImpulseKinds;
                all.push_back({static_cast<std::int32_t>(place % Width),
                               static_cast<std::int32_t>(place / Width), key / 3 % ImpulseKinds});
            }
        }
        return all;
    }

    // `fresh` = the draws of `draws` with which no such ball has started; whether any are left.
    bool keep(const Ball& ball, const Word* draws, Word* fresh, std::size_t used) {
        if (ball.hover == MayHover && !mayHoverAnyTime_) {
            passedOver_ = true;
            std::copy(draws, draws + used, fresh);
            return true;
        }
        std::uint32_t& slot = slots_[keyOf(ball)];
        if (slot == None) {
            slot = static_cast<std::uint32_t>(started_.size() / words_);
            started_.resize(started_.size() + words_, 0);
        }
        Word* started = &started_[static_cast<std::size_t>(slot) * words_];
        const bool spent = ball.liftLeft == 0 && ball.kickLeft == 0;
        Word any = 0;
        for (std::size_t w = 0; w < used; ++w) {
            fresh[w] = spent ? draws[w] & ~started[w] : draws[w];
            started[w] |= fresh[w];
            any |= fresh[w];
        }
        return any != 0;
    }

  private:
    static constexpr std::uint32_t None = 0xffffffff;
    static constexpr std::size_t Width = GridColumns * CellSize;
    static constexpr std::size_t Keys =
        Width * static_cast<std::size_t>(GridRows * CellSize) * ImpulseKinds * 3;
    static std::size_t keyOf(const Ball& ball) {
        const std::int32_t kick = ball.kickLeft == 0 ? 0 : ball.kick;
        const std::size_t impulses = impulseKind(ball.glide, kick, ball.liftLeft > 0);
        const std::size_t place =
            static_cast<std::size_t>(ball.y) * Width + static_cast<std::size_t>(ball.x);
        return (place * ImpulseKinds + impulses) * 3 + static_cast<std::size_t>(ball.hover);
    }

    std::size_t words_;
    bool mayHoverAnyTime_;
    bool passedOver_ = false;
    std::vector<std::uint32_t> slots_;
    std::vector<Word> started_;
};

// When a ball may hover: one that has held Space from the start hovers from `from` on, and a
// hovering one may let go with `letsGo`.
struct HoverRule {
    std::int64_t from;
    bool letsGo;
};

// Keeps a ball for the start of `substep`, with each hover it may have then.
void keepStart(Layer& starts, Started& started, Ball ball, const Word* draws, Word* fresh,
               std::size_t used, HoverRule hover, std::uint64_t substep) {
    const auto keep = [&](const Ball& kept) {
        if (started.keep(kept, draws, fresh, used)) {
            starts.add(kept, 0, fresh, used);
        }
    };
    keep(ball);
    if (ball.hover == Hovering && hover.letsGo) {
        ball.hover = LetGo;
        keep(ball);
    } else if (ball.hover == MayHover && static_cast<std::int64_t>(substep) >= hover.from) {
        ball.hover = Hovering;
        keep(ball);
    }
}

// `out` = `a` and (`mask`, or its complement with `inverted`); whether any route is left.
bool both(const Word* a, const Word* mask, bool inverted, Word* out, std::size_t used) {
    Word any = 0;
    for (std::size_t w = 0; w < used; ++w) {
        out[w] = a[w] & (inverted ? ~mask[w] : mask[w]);
        any |= out[w];
    }
    return any != 0;
}

// The rise of the lift's and the kick's steps, by what is left of them after the step.
constexpr std::int32_t liftRise(std::int32_t left) {
    return left % 2 != 0 ? -2 : -1;
}
constexpr std::int32_t kickRise(std::int32_t way, std::int32_t left) {
    return (way > 0 ? left % 2 != 0 : left % 3 != 0) ? -1 : -2;
}

// A normal substep's calls before the kick's, which a glide's substep shares.
enum class Call { Gravity, Jitter, Up, Down, Left, Right, LiftSideways, LiftUp };
constexpr std::array<Call, 8> NormalCalls = {Call::Gravity,      Call::Jitter, Call::Up,
                                             Call::Down,         Call::Left,   Call::Right,
                                             Call::LiftSideways, Call::LiftUp};

class SeededSearch {
  public:
    SeededSearch(const StageMap& map, std::size_t most, HoverRule hover)
        : moves_(map, [this](const Ball& b) { reached(ends_.loss, b); }),
          hover_(hover),
          started_(wordsFor(most), hover.from <= 1),
          masked_(wordsFor(most)),
          shifted_(wordsFor(most)),
          fresh_(wordsFor(most)) {}

    // Keeps a first ball, with the draws `draws` of `used` words.
    void begin(Layer& starts, const Ball& ball, const Word* draws, std::size_t used) {
        keepStart(starts, started_, ball, draws, fresh_.data(), used, hover_, 1);
    }

    std::uint64_t positions() const { return positions_; }
    const Started& started() const { return started_; }
    // The first substep of each end so far, and whether a ball cleared in the last substep.
    const StageEnds& ends() const { return ends_; }
    std::size_t endsFound() const { return endsFound_; }
    bool cleared() const { return cleared_; }

    // Plays one substep from `starts` into `next`.
    void substep(const Draws& draws, Layer& starts, Layer& next, std::size_t used,
                 std::uint64_t substep) {
        cleared_ = false;
        substep_ = substep;
        used_ = used;
        draws_ = &draws;
        // Each ball's substep is a normal one or a glide's, by how it starts.
        for (const bool gliding : {false, true}) {
            before_.clear(used_);
            for (std::size_t i = 0; i < starts.size(); ++i) {
                if ((starts.ball(i).glide != 0) == gliding) {
                    before_.add(starts.ball(i), 0, starts.draws(i), starts.words());
                }
            }
            if (gliding) {
                for (int call = 0; call < 3; ++call) {
                    playCall([&](const Ball& b, std::int32_t drawn, const Word* d) {
                        Ball ball = b;
                        if (call == 0) {
                            ball.liftLeft = 0;  // a glide stops the lift
                            // An arrow held stops the glide, and its steps go nowhere.
                            Ball stopped = ball;
                            stopped.glide = 0;
                            moveAll(stopped, {0, 0}, drawn, d);
                        }
                        // Without an arrow held the glide goes on, and nothing kicks.
                        moves_.make(
                            ball, {ball.glide, 0},
                            [&](const Ball& moved) { keep(moved, drawn, d); }, ball.glide == 0);
                    });
                }
            } else {
                for (const Call call : NormalCalls) {
                    playCall([&](const Ball& b, std::int32_t drawn, const Word* d) {
                        normalCall(call, b, drawn, d);
                    });
                }
            }
            playCall([&](const Ball& b, std::int32_t drawn, const Word* d) {
                kickCall(b, drawn, d, !gliding || b.glide == 0);
            });
            for (std::size_t i = 0; i < before_.size(); ++i) {
                shift(before_.draws(i), before_.drawn(i));
                Ball ball = before_.ball(i);
                keepStart(next, started_, ball, shifted_.data(), fresh_.data(), used_, hover_,
                          substep + 1);
                if (gliding) {
                    ball.glide = 0;
                    keepStart(next, started_, ball, shifted_.data(), fresh_.data(), used_, hover_,
                              substep + 1);
                }
            }
        }
    }

  private:
    template <typename Each>
    void playCall(Each each) {
        after_.clear(used_);
        for (std::size_t i = 0; i < before_.size(); ++i) {
            each(before_.ball(i), before_.drawn(i), before_.draws(i));
        }
        std::swap(before_, after_);
    }

    // A ball that clears goes no further.
    void keep(const Ball& b, std::int32_t drawn, const Word* d) {
        ++positions_;
        if (b.x == RightEdge) {
            cleared_ = true;
            reached(ends_.clear, b);
            return;
        }
        after_.add(b, drawn, d, used_);
    }

    void reached(std::array<std::uint64_t, ImpulseKinds>& ends, const Ball& b) {
        const std::size_t kind = impulseKind(b.glide, b.kickLeft == 0 ? 0 : b.kick, b.liftLeft > 0);
        if (ends[kind] == 0) {
            ends[kind] = substep_;
            ++endsFound_;
        }
    }

    void moveAll(const Ball& b, Offset o, std::int32_t drawn, const Word* d) {
        moves_.make(b, o, [&](const Ball& moved) { keep(moved, drawn, d); });
    }

    // Up or Down held: its draw splits the routes into those it moves and those it does not.
    void drawnArrow(const Ball& b, Offset o, std::int32_t drawn, const Word* d, const Word* moves) {
        const std::int32_t then = drawn + 1;
        if (both(d, moves, false, masked_.data(), used_)) {
            moveAll(b, o, then, masked_.data());
        }
        if (both(d, moves, true, masked_.data(), used_)) {
            keep(b, then, masked_.data());
        }
    }

    void normalCall(Call call, Ball b, std::int32_t drawn, const Word* d) {
        const bool hovering = b.hover == Hovering;
        const auto after = static_cast<std::size_t>(drawn + 1);
        switch (call) {
            case Call::Gravity:
                if (hovering) {
                    keep(b, drawn, d);
                } else {
                    moveAll(b, {0, 1}, drawn, d);
                }
                return;
            case Call::Jitter:
                for (std::size_t o = 0; o < 9; ++o) {
                    if (both(d, draws_->jitter(o), false, masked_.data(), used_)) {
                        moveAll(b,
                                {static_cast<std::int32_t>(o % 3) - 1,
                                 static_cast<std::int32_t>(o / 3) - 1},
                                drawn + 2, masked_.data());
                    }
                }
                return;
            case Call::Up:
                keep(b, drawn, d);
                drawnArrow(b, {0, -1}, drawn, d,
                           hovering ? draws_->upInHover() : draws_->third(after));
                return;
            case Call::Down:
                keep(b, drawn, d);
                if (hovering) {
                    moveAll(b, {0, 1}, drawn, d);  // a hovering Down draws nothing
                } else {
                    drawnArrow(b, {0, 1}, drawn, d, draws_->third(after));
                }
                return;
            case Call::Left:
            case Call::Right:
                keep(b, drawn, d);
                moveAll(b, {call == Call::Left ? -1 : 1, 0}, drawn, d);
                return;
            case Call::LiftSideways:
                keep(b, drawn, d);
                if (b.liftLeft > 0) {
                    moveAll(b, {b.glide, 0}, drawn, d);
                }
                return;
            case Call::LiftUp:
                if (b.liftLeft > 0) {
                    Ball lifted = b;
                    --lifted.liftLeft;
                    moveAll(lifted, {0, liftRise(lifted.liftLeft)}, drawn, d);
                }
                b.liftLeft = 0;
                keep(b, drawn, d);
                return;
        }
    }

    void kickCall(Ball b, std::int32_t drawn, const Word* d, bool mayKick) {
        if (b.kick == 0 || b.kickLeft == 0) {
            keep(b, drawn, d);
            return;
        }
        Ball ended = b;
        ended.kickLeft = 0;
        keep(ended, drawn, d);
        --b.kickLeft;
        moves_.make(
            b, {b.kick, kickRise(b.kick, b.kickLeft)},
            [&](const Ball& moved) {
                keep(moved, drawn, d);
                // A leftward step that kicks the ball off a wall on its left makes the rightward
                // flight's first step at once.
                if (b.kick < 0 && moved.kick > 0) {
                    Ball flying = moved;
                    --flying.kickLeft;
                    moveAll(flying, {1, kickRise(1, flying.kickLeft)}, drawn, d);
                }
            },
            mayKick);
    }

    // The draws of a ball's routes at the next substep's start: each made `drawn` more.
    void shift(const Word* d, std::int32_t drawn) {
        const auto by = static_cast<std::size_t>(drawn);
        for (std::size_t w = used_; w-- > 0;) {
            Word word = by == 0 ? d[w] : d[w] << by;
            if (by != 0 && w > 0) {
                word |= d[w - 1] >> (WordBits - by);
            }
            shifted_[w] = word;
        }
    }

    EasierMoves<Ball> moves_;
    HoverRule hover_;
    Started started_;
    Layer before_;
    Layer after_;
    std::vector<Word> masked_;
    std::vector<Word> shifted_;
    std::vector<Word> fresh_;
    const Draws* draws_ = nullptr;
    std::size_t used_ = 0;
    bool cleared_ = false;
    std::uint64_t substep_ = 0;
    StageEnds ends_{};
    std::size_t endsFound_ = 0;
    std::uint64_t positions_ = 0;
};

}  // namespace

SeededStart startAsPlayStands() {
    const GameState& g = gameState;
    return {.x = g.ballX,
            .y = g.ballY,
            .glide = g.glide,
            .kick = g.kick,
            .lift = g.lift,
            .hovering = g.hover != 0,
            .hoverCharge = g.hoverCharge,
            .random = randomState};
}

namespace {

// The easier game played from a start: its search, the substeps it played, and whether the
// limit on positions cut it short after the last of them.
struct Played {
    std::unique_ptr<SeededSearch> search;
    std::uint64_t substeps = 0;
    bool cut = false;
};

// Plays the easier game from `start` until `done` says so after a substep, or up to the limits.
template <typename Done>
Played playFrom(const StageMap& map, const SeededStart& start, const SeededLimits& limits,
                Done done) {
    const std::uint64_t limit = std::min<std::uint64_t>(limits.substeps, HoverChargeNeeded);
    const std::size_t window = std::max<std::size_t>(start.window, 1);
    const std::size_t most = window - 1 + MostDraws * static_cast<std::size_t>(limit);
    const Draws draws(start.random, most);
    // Space held from the start makes the ball hover from this substep on.
    auto search = std::make_unique<SeededSearch>(
        map, most,
        HoverRule{.from = start.mayHover ? HoverChargeNeeded + 1 - start.hoverCharge : INT64_MAX,
                  .letsGo = start.letsGo});
    Layer starts;
    Layer next;
    const std::size_t firstWords = wordsFor(window - 1);
    starts.clear(firstWords);
    DrawSet brought(firstWords);
    for (std::size_t d = 0; d < window; ++d) {
        brought.set(d);
    }
    const ImpulseKindSet kinds = kindsBrought(start.kinds, start.glide, start.kick, start.lift);
    for (std::size_t kind = 0; kind < ImpulseKinds; ++kind) {
        if ((kinds >> kind & 1U) == 0) {
            continue;
        }
        const Impulses impulses = impulsesOfKind(kind);
        const Ball ball{start.x,
                        start.y,
                        impulses.glideWay,
                        impulses.kickWay,
                        start.hovering ? Hovering : (start.mayHover ? MayHover : LetGo),
                        start.lift,
                        std::abs(start.kick)};
        if (start.kinds == 0) {
            search->begin(starts, ball, brought.data(), firstWords);
            continue;
        }
        // A kind brings the most of each counter in each of its steps.
        for (std::int32_t liftBelow = 0; liftBelow < (impulses.lift ? 2 : 1); ++liftBelow) {
            for (std::int32_t kickBelow = 0; kickBelow < (impulses.kickWay != 0 ? 3 : 1);
                 ++kickBelow) {
                Ball brings = ball;
                brings.liftLeft = impulses.lift ? SpringLift - liftBelow : 0;
                brings.kickLeft = impulses.kickWay != 0 ? KickCount - kickBelow : 0;
                search->begin(starts, brings, brought.data(), firstWords);
            }
        }
    }
    Played played;
    for (std::uint64_t substep = 1; substep <= limit && starts.size() > 0; ++substep) {
        const std::size_t used =
            wordsFor(window - 1 + MostDraws * static_cast<std::size_t>(substep));
        next.clear(used);
        search->substep(draws, starts, next, used, substep);
        played.substeps = substep;
        if (done(*search)) {
            break;
        }
        if (search->positions() > limits.positions) {
            played.cut = true;
            break;
        }
        std::swap(starts, next);
    }
    played.search = std::move(search);
    return played;
}

}  // namespace

SeededBound substepsAtLeastFrom(const StageMap& map, const SeededStart& start,
                                const SeededLimits& limits) {
    const Played played =
        playFrom(map, start, limits, [](const SeededSearch& s) { return s.cleared(); });
    if (played.search->cleared()) {
        return {played.substeps, false};
    }
    if (played.cut) {
        return {played.substeps + 1, true};
    }
    return {std::min<std::uint64_t>(limits.substeps, HoverChargeNeeded) + 1, false};
}

StageEnds seededEndsFrom(const StageMap& map, const SeededStart& start,
                         const SeededLimits& limits) {
    const Played played = playFrom(map, start, limits, [](const SeededSearch& s) {
        return s.endsFound() == 2 * ImpulseKinds;
    });
    StageEnds ends = played.search->ends();
    if (played.search->endsFound() == 2 * ImpulseKinds) {
        return ends;
    }
    // Every route stands after the substeps played at a place and with impulses at which some
    // ball has started, and from there needs at least what the freer game needs.
    // Without every ball kept, only the next substep is known to be no sooner.
    const Started& started = played.search->started();
    StageEnds rest{};
    if (started.keepsEvery()) {
        const BoundStart rules{.mayHover = start.mayHover || start.hovering,
                               .hoversThrough = start.hovering && !start.letsGo};
        rest = stageEndsAtLeastFrom(map, started.balls(), rules, BoundLimit);
    } else {
        rest.clear.fill(1);
        rest.loss.fill(1);
    }
    const auto complete = [&](std::uint64_t& end, std::uint64_t after) {
        if (end == 0 && after != 0) {
            end = played.substeps + after;
        }
    };
    for (std::size_t kind = 0; kind < ImpulseKinds; ++kind) {
        complete(ends.clear[kind], rest.clear[kind]);
        complete(ends.loss[kind], rest.loss[kind]);
    }
    return ends;
}
