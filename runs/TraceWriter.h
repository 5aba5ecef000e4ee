#pragma once
// The replay's trace: a CSV row of the ball's state after every physics substep.
#include <cstdint>
#include <cstdio>
#include <string_view>

class TraceWriter {
  public:
    // Writes the header line. A failed write shows in the stream's error state.
    explicit TraceWriter(std::FILE* out);

    // One row from the game's state as it stands: `poll` is the index of the substep's poll,
    // `cue` the name of the cue that substep started (empty for none).
    void writeSubstep(std::uint64_t poll, std::string_view cue);

  private:
    std::FILE* out_;
};
