#include "devtools/solver/Solver.h"

#include <chrono>
#include <optional>

#include "devtools/solver/SolverSession.h"
#include "game/GameState.h"

namespace {

constexpr std::int32_t LastStage = 20;

// The script as the game reads it and as it is written, with its comments, kept side by side.
class ScriptBuilder {
  public:
    void comment(const std::string& text) { written_ += "# " + text + '\n'; }
    void add(std::uint64_t count, HeldKeys held, HeldKeys tapped = 0) {
        const KeyScriptLine line{static_cast<std::uint32_t>(count), held, tapped};
        written_ += formatKeyScriptLine(line) + '\n';
        script.push_back(line);
    }
    const std::string& written() const { return written_; }

    KeyLines script;

  private:
    std::string written_;
};

// The poll at which the lead script's play of `stage` begins: one past its last card poll.
std::optional<std::uint64_t> playStartIn(const KeyLines& lead, std::int32_t stage) {
    std::optional<std::uint64_t> start;
    SolverSession session(lead);
    observeSubsteps([&] {
        if (!start && gameState.stage == stage) {
            start = session.polls() - 1;
        }
    });
    session.run({});
    observeSubsteps({});
    return start;
}

// The lead's lines up to (not including) poll `end`.
void addLead(ScriptBuilder& builder, const KeyLines& lead, std::uint64_t end) {
    std::uint64_t polls = 0;
    for (const KeyScriptLine& line : lead) {
        if (polls == end) {
            break;
        }
        const std::uint64_t count = std::min<std::uint64_t>(line.count, end - polls);
        builder.add(count, line.held, line.tapped);
        polls += count;
    }
}

class Solving {
  public:
    Solving(const SolveOptions& options, const std::function<void(const StageSolved&)>& onStage)
        : options_(options), onStage_(onStage), session_(builder_.script) {}

    SolveResult run() {
        builder_.comment("Found by tilebounce-solve for stages " +
                         std::to_string(options_.firstStage) + " to " +
                         std::to_string(options_.lastStage) +
                         ", from start-up; a comment per stage gives its substeps, lives lost "
                         "and polls.");
        if (options_.firstStage == 1) {
            builder_.comment("Poll 0 is the start-up poll; Enter ends the title.");
            builder_.add(1, 0);
            builder_.add(1, HoldEnter);
            cardKey(1);
            expectedPolls_ = 3;
        } else {
            const std::optional<std::uint64_t> start =
                playStartIn(options_.lead, options_.firstStage);
            if (!start) {
                return failed("the lead script does not reach stage " +
                              std::to_string(options_.firstStage));
            }
            builder_.comment("The lead script, up to the start of stage " +
                             std::to_string(options_.firstStage) + ".");
            addLead(builder_, options_.lead, *start);
            expectedPolls_ = *start;
        }
        nextStage_ = options_.firstStage;
        const GameEnd end = session_.run([this] { solveNextStage(); });
        if (!failure_.empty()) {
            return failed(failure_);
        }
        const bool wholeGame = options_.lastStage == LastStage;
        if (nextStage_ <= options_.lastStage || (wholeGame && end != GameEnd::Ending)) {
            return failed("the game did not follow the routes found to their end");
        }
        return {true, builder_.written(), {}};
    }

  private:
    SolveResult failed(const std::string& why) { return {false, builder_.written(), why}; }

    void cardKey(std::int32_t stage) {
        builder_.comment("Stage " + std::to_string(stage) +
                         " card: Right ends it after its pause.");
        builder_.add(1, HoldRight);
    }

    void solveNextStage() {
        if (!failure_.empty() || nextStage_ > options_.lastStage) {
            return;
        }
        const GameState& g = gameState;
        if (g.stage != nextStage_ || session_.polls() != expectedPolls_) {
            failure_ = "the game left the route found: at poll " +
                       std::to_string(session_.polls()) + " in stage " + std::to_string(g.stage) +
                       ", expected stage " + std::to_string(nextStage_) + " at poll " +
                       std::to_string(expectedPolls_);
            return;
        }
        const auto began = std::chrono::steady_clock::now();
        const StageRoute route = searchStage(session_, options_.limits);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - began;
        if (!route.cleared) {
            failure_ = "stage " + std::to_string(nextStage_) + " not cleared after " +
                       describeSearch(options_.limits) + "; the closest the ball came was (" +
                       std::to_string(route.bestX) + ", " + std::to_string(route.bestY) + ")";
            return;
        }
        // The search keeps no position that lost the ball, and play that strayed from the route
        // (a lost ball replays the stage) fails the check above at the next stage.
        const StageSolved solved{nextStage_, route.substeps, 0, route.positions, took.count()};
        builder_.comment("stage " + std::to_string(solved.stage) + ": " +
                         std::to_string(solved.substeps) + " substeps, " +
                         std::to_string(solved.livesLost) + " lives lost, polls " +
                         std::to_string(expectedPolls_) + " to " +
                         std::to_string(expectedPolls_ + route.substeps - 1));
        for (const RouteStep& step : route.steps) {
            builder_.add(step.polls, step.held);
        }
        expectedPolls_ += route.substeps;
        if (nextStage_ == LastStage) {
            builder_.comment("The ending: three polls pass with its pause, then Enter ends it.");
            builder_.add(3, 0);
            builder_.add(1, HoldEnter);
        } else if (nextStage_ < options_.lastStage) {
            cardKey(nextStage_ + 1);
            expectedPolls_ += 1;
        }
        ++nextStage_;
        onStage_(solved);
    }

    const SolveOptions& options_;
    const std::function<void(const StageSolved&)>& onStage_;
    ScriptBuilder builder_;
    SolverSession session_;
    std::int32_t nextStage_ = 1;
    std::uint64_t expectedPolls_ = 0;
    std::string failure_;
};

}  // namespace

SolveResult solve(const SolveOptions& options,
                  const std::function<void(const StageSolved&)>& onStage) {
    return Solving(options, onStage).run();
}
