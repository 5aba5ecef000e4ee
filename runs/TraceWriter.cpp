#include "runs/TraceWriter.h"

#include <cinttypes>

#include "game/GameState.h"

TraceWriter::TraceWriter(std::FILE* out) : out_(out) {
    std::fputs("poll,stage,lives,x,y,lift,kick,glide,hover,hover_charge,cue\n", out_);
}

void TraceWriter::writeSubstep(std::uint64_t poll, std::string_view cue) {
    const GameState& g = gameState;
    std::fprintf(out_, "%" PRIu64 ",%d,%d,%d,%d,%d,%d,%d,%d,%d,%.*s\n", poll, g.stage, g.lives,
                 g.ballX, g.ballY, g.lift, g.kick, g.glide, g.hover, g.hoverCharge,
                 static_cast<int>(cue.size()), cue.data());
}
