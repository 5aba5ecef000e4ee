#include "devtools/solver/Solver.h"

#include <chrono>
#include <map>
#include <optional>

#include "devtools/solver/LowerBound.h"
#include "devtools/solver/NextStageLookahead.h"
#include "devtools/solver/ReplayedStages.h"
#include "devtools/solver/SolverSession.h"
#include "game/GameState.h"
#include "game/Stage.h"
#include "game/StepBall.h"
#include "runs/TimeText.h"

namespace {

// How many substeps past its fastest clear a stage's search goes on, for clears that bring more
// impulse into the next stage.
constexpr std::uint64_t LookFurther = 40;
// How many substeps past its fastest clear a stage may be drawn out for the ball to hover from
// the next stage's start.
constexpr std::uint64_t WaitForHover = 400;
// A stage whose bound is below this may have a short exit (in this game, a start just under a
// row of Blocks that reaches the edge). Whether a hovering ball takes it depends on the random
// draws it enters with: the stage before goes on further, for clears of this many games a
// substep, each with its own draws.
constexpr std::uint64_t ShortExitBound = 20;
constexpr std::uint64_t ShortExitLookFurther = 150;
constexpr std::size_t ShortExitTries = 2;

// The script as the game reads it and as it is written, with its comments, kept side by side.
// A stage's comment is written last, from what the replay of the whole script shows of it.
class ScriptBuilder {
  public:
    void comment(const std::string& text) { entries_.push_back({"# " + text + '\n', 0}); }
    void stageComment(std::int32_t stage) { entries_.push_back({{}, stage}); }
    void add(std::uint64_t count, HeldKeys held, HeldKeys tapped = 0) {
        const KeyScriptLine line{static_cast<std::uint32_t>(count), held, tapped};
        entries_.push_back({formatKeyScriptLine(line) + '\n', 0});
        script.push_back(line);
    }
    std::string written(const ReplayedStages& replayed) const {
        std::string text;
        for (const Entry& entry : entries_) {
            text += entry.stage == 0 ? entry.text : stageLine(entry.stage, replayed);
        }
        return text;
    }

    KeyLines script;

  private:
    struct Entry {
        std::string text;
        std::int32_t stage;
    };

    static std::string stageLine(std::int32_t number, const ReplayedStages& replayed) {
        const ReplayedStage& stage = replayed[static_cast<std::size_t>(number)];
        return "# stage " + std::to_string(number) + ": " + std::to_string(stage.substeps) +
               " substeps, polls " + std::to_string(stage.firstPoll) + " to " +
               std::to_string(stage.lastPoll) + ", " + std::to_string(stage.livesLeft) +
               " lives left, " + formatTime(stage.timeNs) + "\n";
    }

    std::vector<Entry> entries_;
};

// The lead's lines up to (not including) poll `end`.
void addLead(ScriptBuilder& builder, const KeyLines& lead, std::uint64_t end) {
    for (const KeyScriptLine& line : firstPolls(lead, end)) {
        builder.add(line.count, line.held, line.tapped);
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
                         ", from start-up; a comment per stage gives what a replay of the "
                         "script shows of it: its substeps, polls, the lives left at its end and "
                         "its time (m:ss.cc, the game's own).");
        if (options_.firstStage == 1) {
            builder_.comment("Poll 0 is the start-up poll; Enter ends the title.");
            builder_.add(1, 0);
            builder_.add(1, HoldEnter);
            cardKey(1);
            expectedPolls_ = 3;
        } else {
            // The lead plays the stage from its first substep, one past its last card poll.
            const ReplayedStage led =
                replayStages(options_.lead)[static_cast<std::size_t>(options_.firstStage)];
            if (led.substeps == 0) {
                return failed("the lead script does not reach stage " +
                              std::to_string(options_.firstStage));
            }
            builder_.comment("The lead script, up to the start of stage " +
                             std::to_string(options_.firstStage) + ".");
            addLead(builder_, options_.lead, led.firstPoll);
            expectedPolls_ = led.firstPoll;
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
        return checkedByReplay();
    }

  private:
    SolveResult failed(const std::string& why) { return {false, {}, why}; }

    // The script played again from start-up: every stage searched must be cleared with the
    // lives there were before it.
    SolveResult checkedByReplay() {
        const ReplayedStages replayed = replayStages(builder_.script);
        const auto first = static_cast<std::size_t>(options_.firstStage);
        const std::int32_t livesBefore =
            first == 1 ? GameState{}.lives : replayed[first - 1].livesLeft;
        SolveResult result{true, builder_.written(replayed), {}, 0, livesBefore};
        for (std::size_t stage = first; stage <= static_cast<std::size_t>(options_.lastStage);
             ++stage) {
            result.substeps += replayed[stage].substeps;
            result.lives = replayed[stage].livesLeft;
            if (!replayed[stage].cleared || replayed[stage].livesLeft != livesBefore) {
                return failed("replayed, the script loses a ball in stage " +
                              std::to_string(stage));
            }
        }
        return result;
    }

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
        const std::optional<std::uint64_t> atLeast =
            options_.fastest ? boundOf(nextStage_) : std::nullopt;
        const StageRoute route = options_.fastest
                                     ? fastestRoute()
                                     : searchStage(session_, options_.limits, progressOfStage());
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - began;
        if (!route.cleared) {
            failure_ = "stage " + std::to_string(nextStage_) + " not cleared after " +
                       (options_.fastest ? describeFastest(options_.limits)
                                         : describeSearch(options_.limits)) +
                       "; the closest the ball came was (" + std::to_string(route.bestX) + ", " +
                       std::to_string(route.bestY) + ")";
            return;
        }
        builder_.stageComment(nextStage_);
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
        onStage_({nextStage_, route.substeps, atLeast, route.positions, took.count()});
        ++nextStage_;
    }

    // The fastest clear, or a later one that saves more in the next stage.
    StageRoute fastestRoute() {
        const bool lastSearched = nextStage_ == options_.lastStage;
        // Before a stage with a short exit, clears of many games, for one that takes it.
        const std::optional<std::uint64_t> nextBound =
            lastSearched ? std::nullopt : boundOf(nextStage_ + 1);
        const bool shortNext = nextBound && *nextBound < ShortExitBound;
        ClearsWanted wanted{
            .lookFurther = lastSearched ? 0 : (shortNext ? ShortExitLookFurther : LookFurther),
            .clearsPerSubstep = shortNext ? ShortExitTries : 1};
        std::vector<ClearFound> clears;
        // A short exit needs the ball to hover: where the charge is still filling, only clears
        // that hover are looked for, unless there are none.
        wanted.hovering = shortNext && gameState.hover == 0;
        StageRoute route =
            searchFastest(session_, options_.limits, progressOfStage(), wanted, clears);
        if (route.cleared && gameState.hover != 0 && mayChargeAgain()) {
            route = fasterLettingGo(route, wanted, clears);
        }
        // Where a hovering ball finds no way, it lets go of Space and falls; the charge starts
        // again at once.
        if (!route.cleared && (gameState.hover != 0 || wanted.hovering)) {
            const std::uint64_t positions = route.positions;
            wanted.holdSpace = wanted.hovering;
            wanted.hovering = false;
            route = searchFastest(session_, options_.limits, progressOfStage(), wanted, clears);
            route.positions += positions;
            wanted.holdSpace = true;
        }
        // When Space's charge would fill early in the next stage, a clear late enough for the
        // ball to hover there from the start may win.
        const auto toHover =
            static_cast<std::uint64_t>(HoverChargeNeeded + 1 - gameState.hoverCharge);
        if (!lastSearched && !shortNext && route.cleared && gameState.hover == 0 &&
            toHover > route.substeps && toHover <= route.substeps + WaitForHover) {
            wanted.hovering = true;
            route.positions +=
                searchFastest(session_, options_.limits, progressOfStage(), wanted, clears)
                    .positions;
        }
        if (clears.size() > 1) {
            const std::uint64_t positions = route.positions;
            route = shortNext ? chooseByShortExit(session_, clears, *nextBound)
                              : chooseByNextStage(session_, clears);
            route.positions = positions;
        }
        return route;
    }

    // Whether Space's charge, started again at this stage's start, fills before the next short
    // exit: the two stages after this one have none.
    bool mayChargeAgain() {
        if (nextStage_ + 2 > options_.lastStage) {
            return false;
        }
        for (const std::int32_t stage : {nextStage_ + 1, nextStage_ + 2}) {
            const std::optional<std::uint64_t> bound = boundOf(stage);
            if (bound && *bound < ShortExitBound) {
                return false;
            }
        }
        return true;
    }

    // The hovering route, or one that lets go of Space at the start where that pays by the next
    // stage; the search for it goes a little past the hovering clear. `clears` becomes its clears
    // if it wins.
    StageRoute fasterLettingGo(const StageRoute& hovering, const ClearsWanted& wanted,
                               std::vector<ClearFound>& clears) {
        ClearsWanted lettingGo = wanted;
        lettingGo.holdSpace = false;
        std::vector<ClearFound> found;
        StageRoute route = searchFastest(
            session_, limitsToDepth(options_.limits, hovering.substeps + wanted.lookFurther),
            progressOfStage(), lettingGo, found);
        route.positions += hovering.positions;
        if (!route.cleared || !lettingGoPays(session_, clears.front(), found.front())) {
            StageRoute kept = hovering;
            kept.positions = route.positions;
            return kept;
        }
        clears = std::move(found);
        return route;
    }

    // A stage's lower bound, from its start whatever the ball brings: none past BoundLimit.
    std::optional<std::uint64_t> boundOf(std::int32_t stage) {
        const auto known = bounds_.find(stage);
        if (known != bounds_.end()) {
            return known->second;
        }
        const Snapshot now = session_.capture();
        loadStage(stage);
        const GameState& g = gameState;
        const std::optional<std::uint64_t> bound =
            substepsAtLeast(g.map, {.x = g.ballX, .y = g.ballY, .anyImpulses = true}, BoundLimit);
        session_.restore(now);
        bounds_[stage] = bound;
        return bound;
    }

    ProgressCheck progressOfStage() const {
        if (!options_.progress) {
            return {};
        }
        return [this](SearchProgress progress) {
            progress.stage = nextStage_;
            return options_.progress(progress);
        };
    }

    const SolveOptions& options_;
    const std::function<void(const StageSolved&)>& onStage_;
    ScriptBuilder builder_;
    SolverSession session_;
    std::int32_t nextStage_ = 1;
    std::uint64_t expectedPolls_ = 0;
    std::string failure_;
    std::map<std::int32_t, std::optional<std::uint64_t>> bounds_;
};

}  // namespace

SolveResult solve(const SolveOptions& options,
                  const std::function<void(const StageSolved&)>& onStage) {
    return Solving(options, onStage).run();
}
