#include "programs/tilebounce/Preferences.h"

#include <algorithm>

#include "game/RunGame.h"
#include "keyscript/GameKeys.h"
#include "platform/sdl/keys/KeyNames.h"

namespace {

std::string joined(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& name : names) {
        out += (out.empty() ? "" : " / ") + name;
    }
    return out;
}

}  // namespace

Preferences preferencesFor(const Settings& settings, const GameOptions& options) {
    Preferences p;
    p.window.fullScreen = options.fullScreen.value_or(settings.fullScreen);
    if (options.scale) {
        p.window.width = ScreenWidth * static_cast<std::uint32_t>(*options.scale);
        p.window.height = ScreenHeight * static_cast<std::uint32_t>(*options.scale);
    } else if (settings.windowWidth > 0 && settings.windowHeight > 0) {
        p.window.width = static_cast<std::uint32_t>(settings.windowWidth);
        p.window.height = static_cast<std::uint32_t>(settings.windowHeight);
    }
    p.window.x = settings.windowX;
    p.window.y = settings.windowY;
    p.integerScale = options.integerScale.value_or(settings.integerScale);
    p.scaling = options.scaling.value_or(settings.scaling);
    p.volume = options.volume.value_or(settings.volume);
    p.muted = !options.volume && settings.muted;
    p.sound = options.sound;
    p.furthestStage = settings.furthestStage;
    p.stage = options.stage.value_or(options.continueRun ? settings.furthestStage : 1);
    p.timerShown = settings.timerShown;
    p.ghostBest = options.ghost ? *options.ghost == "best" : settings.ghostBest;
    if (options.ghost && !p.ghostBest) {
        p.ghostPath = options.ghost;
    }
    for (const auto& [keyName, keyNames] : settings.keys) {
        std::vector<int> scancodes;
        for (const std::string& name : keyNames) {
            scancodes.push_back(platform::scancodeNamed(name));
        }
        if (const int gameKey = gameKeyNamed(keyName); gameKey != 0) {
            p.keys[gameKey] = std::move(scancodes);
        } else {
            p.playerKeys[platform::playerActionNamed(keyName)] = std::move(scancodes);
        }
    }
    return p;
}

ShownKeys shownKeys(const Settings& settings) {
    ShownKeys shown;
    for (const GameKey& key : GameKeys) {
        const auto bound = settings.keys.find(std::string(key.name));
        shown[std::string(key.name)] =
            bound != settings.keys.end() ? joined(bound->second) : std::string(key.name);
    }
    for (const platform::PlayerKey& key : platform::PlayerKeys) {
        shown[std::string(key.name)] = platform::keyNamesOf(key.action);
    }
    return shown;
}

std::vector<std::string> keyClashes() {
    const auto nameOf = [](platform::PlayerAction action) {
        return std::string(
            std::find_if(platform::PlayerKeys.begin(), platform::PlayerKeys.end(),
                         [action](const platform::PlayerKey& key) { return key.action == action; })
                ->name);
    };
    std::vector<std::string> clashes;
    for (const platform::TakenPlayerKey& taken : platform::takenPlayerKeys()) {
        const std::string instead = taken.instead == platform::PlayerAction::None
                                        ? "one of the game's keys"
                                        : nameOf(taken.instead);
        clashes.push_back(platform::keyNameOf(taken.scancode) + " gives " + instead +
                          ", so it does not give " + nameOf(taken.lost));
    }
    return clashes;
}

Settings settingsAfter(const Settings& read, const RunState& started, const RunState& now) {
    Settings kept = read;
    const WindowChoice& ended = now.window;
    if (ended.fullScreen != started.window.fullScreen) {
        kept.fullScreen = ended.fullScreen;
    }
    if (ended.width != started.window.width || ended.height != started.window.height ||
        ended.x != started.window.x || ended.y != started.window.y) {
        kept.windowWidth = static_cast<int>(ended.width);
        kept.windowHeight = static_cast<int>(ended.height);
        kept.windowX = ended.x;
        kept.windowY = ended.y;
    }
    if (now.volume != started.volume || now.muted != started.muted) {
        kept.volume = now.volume;
        kept.muted = now.muted;
    }
    if (now.timerShown != started.timerShown) {
        kept.timerShown = now.timerShown;
    }
    kept.furthestStage = std::max(read.furthestStage, now.furthestStage);
    return withinBounds(kept);
}
