#include "tools/replay/TraceWriter.h"

#include "game/GameState.h"

TraceWriter::TraceWriter(std::ostream& out) : out_(out) {
    out_ << "poll,stage,lives,x,y,lift,kick,glide,hover,hover_charge,cue\n";
}

void TraceWriter::writeSubstep(std::uint64_t poll, std::string_view cue) {
    const GameState& g = gameState;
    out_ << poll << ',' << g.stage << ',' << g.lives << ',' << g.ballX << ',' << g.ballY << ','
         << g.lift << ',' << g.kick << ',' << g.glide << ',' << g.hover << ',' << g.hoverCharge
         << ',' << cue << '\n';
}
