#include "devtools/solver/SolverSession.h"

#include <algorithm>
#include <array>
#include <utility>

#include "game/Draw.h"
#include "game/Random.h"
#include "game/ResetGame.h"
#include "harness/InstalledSeams.h"
#include "keyscript/KeyScriptFile.h"
#include "keyscript/KeyScriptReader.h"
#include "platform/sdl/HeadlessWindow.h"
#include "platform/seams/Audio.h"
#include "platform/seams/Clock.h"
#include "platform/seams/KeySource.h"
#include "platform/seams/WindowEvents.h"
#include "shell/StartUp.h"

bool readKeyLines(const std::string& path, KeyLines& lines, std::string& error) {
    KeyScriptFile file;
    if (!file.open(path, error)) {
        return false;
    }
    KeyScriptReader reader(file.stream(), file.name());
    for (KeyScriptLine line; reader.next(line);) {
        lines.push_back(line);
    }
    return true;
}

KeyLines firstPolls(const KeyLines& script, std::uint64_t polls) {
    KeyLines lines;
    for (KeyScriptLine line : script) {
        if (polls == 0) {
            break;
        }
        line.count = static_cast<std::uint32_t>(std::min<std::uint64_t>(line.count, polls));
        polls -= line.count;
        lines.push_back(line);
    }
    return lines;
}

// The script's polls while it lasts; while the owner plays frames of its own, the held keys.
class SolverSession::Keys : public platform::KeySource {
  public:
    explicit Keys(const KeyLines& script) : script_(script) {
        for (std::size_t keys = 0; keys < heldReports_.size(); ++keys) {
            heldReports_[keys] = reportedKeys({1, static_cast<HeldKeys>(keys), 0});
        }
    }

    void poll(platform::KeyReport& reported) override {
        ++position.polls;
        if (holding_) {
            reported = heldReports_[held_];
        } else if (exhausted()) {
            reported = {};
        } else {
            reported = reportedKeys(script_[position.line]);
            if (++position.usedOfLine >= script_[position.line].count) {
                ++position.line;
                position.usedOfLine = 0;
            }
        }
    }

    bool exhausted() const { return position.line == script_.size(); }

    void hold(HeldKeys keys) {
        holding_ = true;
        held_ = keys;
    }
    void letGo() { holding_ = false; }
    bool holding() const { return holding_; }

    KeysPosition position;

  private:
    const KeyLines& script_;
    bool holding_ = false;
    HeldKeys held_ = 0;
    // What a poll reports for each set of held keys, made once: a search holds another set for
    // nearly every position it plays.
    std::array<platform::KeyReport, 1 << 8 * sizeof(HeldKeys)> heldReports_;
};

// Quiet while the script lasts; at the first pump after it has run out, the owner is asked for
// more, and without more the window is destroyed and the quit follows.
class SolverSession::Events : public platform::WindowEvents {
  public:
    explicit Events(Keys& keys) : keys_(keys) {}

    bool nextMessage(platform::WindowMessage& out) override {
        if (insideOwner_ || keys_.holding() || !keys_.exhausted()) {
            return false;
        }
        if (closingMessagesSent_ == 0 && onRunOut) {
            insideOwner_ = true;
            onRunOut();
            insideOwner_ = false;
            keys_.letGo();
            if (!keys_.exhausted()) {
                return false;
            }
        }
        if (closingMessagesSent_ == 2) {
            return false;
        }
        out = {++closingMessagesSent_ == 1 ? WM_DESTROY : WM_QUIT, 0, 0};
        return true;
    }

    std::function<void()> onRunOut;

  private:
    Keys& keys_;
    bool insideOwner_ = false;
    int closingMessagesSent_ = 0;
};

class SolverSession::Cues : public platform::AudioOut {
  public:
    void playWave(int resourceId) override {
        ++started;
        last = resourceId;
    }
    std::uint64_t started = 0;
    int last = 0;
};

SolverSession::SolverSession(const KeyLines& script)
    : keys_(std::make_unique<Keys>(script)),
      events_(std::make_unique<Events>(*keys_)),
      cues_(std::make_unique<Cues>()) {}

SolverSession::~SolverSession() = default;

GameEnd SolverSession::run(std::function<void()> onRunOut) {
    events_->onRunOut = std::move(onRunOut);
    platform::VirtualClock clock;
    const InstalledSeams seams({.clock = &clock,
                                .keys = keys_.get(),
                                .events = events_.get(),
                                .audio = cues_.get(),
                                .windows = [](const char*, std::string&) {
                                    auto window = std::make_unique<platform::HeadlessWindow>();
                                    window->keepPictures(false);
                                    return window;
                                }});
    // Nothing the game decides reads a picture, so the solver's game is never drawn.
    enablePlayDrawing(false);
    resetGame();
    GameEnd end = GameEnd::Closed;
    {
        const StartUp startUp;
        end = runGame();
    }
    enablePlayDrawing(true);
    events_->onRunOut = {};
    return end;
}

Snapshot SolverSession::capture() const {
    return Snapshot{gameState,       randomState,    *keyboard,
                    keys_->position, cues_->started, cues_->last};
}

void SolverSession::capture(Snapshot& into) const {
    into.game = gameState;
    into.random = randomState;
    into.keyboard = *keyboard;
    into.keys = keys_->position;
    into.cuesStarted = cues_->started;
    into.lastCue = cues_->last;
}

void SolverSession::restore(const Snapshot& snapshot) {
    gameState = snapshot.game;
    randomState = snapshot.random;
    *keyboard = snapshot.keyboard;
    keys_->position = snapshot.keys;
    cues_->started = snapshot.cuesStarted;
    cues_->last = snapshot.lastCue;
}

FrameEnd SolverSession::playFrame(HeldKeys held) {
    keys_->hold(held);
    return ::playFrame();
}

void SolverSession::playSubstep(HeldKeys held) {
    keys_->hold(held);
    ::playSubstep();
}

std::uint64_t SolverSession::polls() const {
    return keys_->position.polls;
}

std::uint64_t SolverSession::cuesStarted() const {
    return cues_->started;
}

int SolverSession::lastCue() const {
    return cues_->last;
}
