#include "game/EndLine.h"

std::string endLine(const GameOutcome& outcome) {
    const char* end = outcome.end == GameEnd::Escape   ? "escape"
                      : outcome.end == GameEnd::Ending ? "ending"
                                                       : "closed";
    return std::string("end=") + end + " stage=" + std::to_string(outcome.stage) +
           " lives=" + std::to_string(outcome.lives) + " polls=" + std::to_string(outcome.polls) +
           " substeps=" + std::to_string(outcome.substeps);
}
