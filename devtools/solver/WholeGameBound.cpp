#include "devtools/solver/WholeGameBound.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::uint64_t Never = UINT64_MAX / 4;
constexpr std::size_t Charged = FirstHoverSubstep;

std::size_t chargeAfter(std::uint64_t substeps) {
    return static_cast<std::size_t>(std::min<std::uint64_t>(substeps, Charged));
}

// The fewest substeps of play so far for each way play may stand: the ball hovering, or not
// hovering for r substeps (r up to Charged, when the charge may be full; more time since the last
// hover saves no more than itself, so a ball may as well stand at r after r substeps); and for
// each entry of the stage to come.
class Chain {
  public:
    Chain() : hovering_(Entries, Never), notHovering_((Charged + 1) * Entries, Never) {}

    std::uint64_t hovering(std::size_t entry) const { return hovering_[entry]; }
    std::uint64_t notHovering(std::size_t r, std::size_t entry) const {
        return notHovering_[r * Entries + entry];
    }
    void hoverAt(std::size_t entry, std::uint64_t substeps) {
        hovering_[entry] = std::min(hovering_[entry], substeps);
    }
    void notHoverAt(std::size_t r, std::size_t entry, std::uint64_t substeps) {
        std::uint64_t& kept = notHovering_[r * Entries + entry];
        kept = std::min(kept, substeps);
    }
    // Whether `other` made any fewer.
    bool keepLeast(const Chain& other) {
        bool fewer = false;
        const auto least = [&fewer](std::uint64_t& kept, std::uint64_t offered) {
            fewer = fewer || offered < kept;
            kept = std::min(kept, offered);
        };
        for (std::size_t i = 0; i < hovering_.size(); ++i) {
            least(hovering_[i], other.hovering_[i]);
        }
        for (std::size_t i = 0; i < notHovering_.size(); ++i) {
            least(notHovering_[i], other.notHovering_[i]);
        }
        return fewer;
    }
    std::uint64_t least() const {
        return std::min(*std::min_element(hovering_.begin(), hovering_.end()),
                        *std::min_element(notHovering_.begin(), notHovering_.end()));
    }

  private:
    std::vector<std::uint64_t> hovering_;
    std::vector<std::uint64_t> notHovering_;
};

// One play of a stage from `entry` that ends for `next`, at the first substeps each way of
// hovering allows (0 where it cannot), from every way play stands in `from` into `to`.
void playStage(const Chain& from, Chain& to, std::size_t entry, std::size_t next,
               const std::array<std::uint64_t, HoverWays>& ends) {
    const std::uint64_t through = ends[HoveringThrough];
    const std::uint64_t without = ends[WithoutHover];
    const std::uint64_t either = ends[EitherWay];
    if (const std::uint64_t at = from.hovering(entry); at < Never) {
        if (through != 0) {
            to.hoverAt(next, at + through);
        }
        if (either != 0) {
            // Letting go, and perhaps charging again before the end.
            to.notHoverAt(chargeAfter(either), next, at + either);
            to.hoverAt(next, at + std::max(either, FirstHoverSubstep));
        }
    }
    for (std::size_t r = 0; r <= Charged; ++r) {
        const std::uint64_t at = from.notHovering(r, entry);
        if (at >= Never) {
            continue;
        }
        if (without != 0) {
            to.notHoverAt(chargeAfter(r + without), next, at + without);
        }
        if (either != 0) {
            // The hover begins, no sooner than the charge is full; it may let go again before
            // the end, no sooner than it began.
            const std::uint64_t charging = FirstHoverSubstep - r;
            const std::uint64_t begun = std::max(either, charging);
            to.hoverAt(next, at + begun);
            to.notHoverAt(chargeAfter(begun - charging), next, at + begun);
        }
    }
}

}  // namespace

ImpulseKindSet kindsStoodForBy(std::size_t kind) {
    const Impulses impulses = impulsesOfKind(kind);
    ImpulseKindSet kinds = 0;
    for (const std::int32_t realGlide : {0, impulses.glideWay}) {
        for (const std::int32_t realKick : {0, impulses.kickWay}) {
            for (const bool realLift : {false, impulses.lift}) {
                kinds |= ImpulseKindSet{1} << impulseKind(realGlide, realKick, realLift);
            }
        }
    }
    return kinds;
}

StageEndsTable stageEndsTableOf(const StageMap& map, std::int32_t x, std::int32_t y,
                                std::uint64_t limit) {
    StageEndsTable table;
    for (std::size_t way = 0; way < HoverWays; ++way) {
        for (std::size_t entry = 0; entry < Entries; ++entry) {
            const BoundStart start{
                .x = x,
                .y = y,
                .mayHover = way != WithoutHover,
                .hoversThrough = way == HoveringThrough,
                .kinds = entry == AnyEntry ? AllImpulseKinds : kindsStoodForBy(entry)};
            table[way][entry] = stageEndsAtLeast(map, start, limit);
        }
    }
    return table;
}

std::uint64_t wholeGameAtLeast(const std::vector<StageEndsTable>& stages) {
    Chain chain;
    // Before the last game the ball may have hovered, by FirstHoverSubstep at the soonest, and it
    // may bring anything.
    chain.hoverAt(AnyEntry, FirstHoverSubstep);
    for (std::size_t r = 0; r <= Charged; ++r) {
        chain.notHoverAt(r, AnyEntry, r);
    }
    for (const StageEndsTable& stage : stages) {
        // Balls lost before the stage's last play: then it begins again with what they had,
        // and may lose another.
        for (std::size_t attempt = 0; attempt < Entries; ++attempt) {
            Chain afterLosses = chain;
            for (std::size_t entry = 0; entry < Entries; ++entry) {
                for (std::size_t kind = 0; kind < ImpulseKinds; ++kind) {
                    const std::uint64_t loss = stage[EitherWay][entry].loss[kind];
                    if (loss != 0) {
                        playStage(chain, afterLosses, entry, kind, {loss, loss, loss});
                    }
                }
            }
            if (!chain.keepLeast(afterLosses)) {
                break;
            }
        }
        Chain next;
        for (std::size_t entry = 0; entry < Entries; ++entry) {
            for (std::size_t kind = 0; kind < ImpulseKinds; ++kind) {
                playStage(
                    chain, next, entry, kind,
                    {stage[HoveringThrough][entry].clear[kind],
                     stage[WithoutHover][entry].clear[kind], stage[EitherWay][entry].clear[kind]});
            }
        }
        chain = std::move(next);
    }
    return chain.least();
}
