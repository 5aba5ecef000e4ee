#pragma once
// A ghost: another key script, replayed off screen before play, whose ball a player can race.
// For each stage it keeps where the ball was at every poll of play of the attempt that first
// cleared it, from that attempt's first poll of play, so that it can be shown beside the live
// ball at the same poll of the live attempt. Computing it changes nothing of the game that
// follows (see OffScreen.h): call it before the game starts.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "game/RunGame.h"
#include "runs/RunTimes.h"

struct GhostPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const GhostPoint&) const = default;
};

class Ghost {
  public:
    // The script at `path` (read whole and checked first), replayed. Nothing when it cannot be
    // read or is malformed, with a message naming the file in `error`.
    static std::optional<Ghost> fromScript(const std::string& path, std::string& error);
    // The script held in `text`, named `name` in messages (a record's, say).
    static std::optional<Ghost> fromText(std::string_view text, const std::string& name,
                                         std::string& error);

    // The ball at each poll of play of the attempt that cleared `stage`, the first poll first;
    // empty when the ghost never cleared it.
    std::span<const GhostPoint> path(std::int32_t stage) const;
    // The ghost's ball once the live attempt at `stage` has made `attemptPolls` polls of play
    // (RunTimer::attemptPolls); none before the first poll and once the ghost has cleared it.
    std::optional<GhostPoint> at(std::int32_t stage, std::uint64_t attemptPolls) const;
    // Up to `count` of the ghost's latest places at that poll, oldest first: its short trail.
    std::span<const GhostPoint> trail(std::int32_t stage, std::uint64_t attemptPolls,
                                      std::size_t count) const;
    // The ghost's own times.
    const RunTimes& times() const { return times_; }

  private:
    // The replay's substeps, watched by `watch`, make a ghost; see fromScript.
    class Watch;

    std::array<std::vector<GhostPoint>, LastStage + 1> paths_;
    RunTimes times_;
};
