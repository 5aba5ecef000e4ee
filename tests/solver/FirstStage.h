#pragma once
// How the solver's tests reach play.
#include "devtools/solver/SolverSession.h"

// Start-up's poll, Enter for the title, Right for the first card: play of stage 1 comes next.
inline KeyLines toFirstStage() {
    return {{1, 0, 0}, {1, HoldEnter, 0}, {1, HoldRight, 0}};
}
