#include "programs/tilebounce/Preferences.h"

#include "keyscript/GameKeys.h"
#include "platform/KeyNames.h"

namespace {

constexpr std::uint32_t GameWidth = 640;
constexpr std::uint32_t GameHeight = 480;

}  // namespace

Preferences preferencesFor(const Settings& settings, const GameOptions& options) {
    Preferences p;
    p.window.fullScreen = options.fullScreen.value_or(settings.fullScreen);
    if (options.scale) {
        p.window.width = GameWidth * static_cast<std::uint32_t>(*options.scale);
        p.window.height = GameHeight * static_cast<std::uint32_t>(*options.scale);
    } else if (settings.windowWidth > 0 && settings.windowHeight > 0) {
        p.window.width = static_cast<std::uint32_t>(settings.windowWidth);
        p.window.height = static_cast<std::uint32_t>(settings.windowHeight);
    }
    p.window.x = settings.windowX;
    p.window.y = settings.windowY;
    p.integerScale = options.integerScale.value_or(settings.integerScale);
    p.scaling = options.scaling.value_or(settings.scaling);
    p.volume = options.volume.value_or(settings.volume);
    p.sound = options.sound;
    p.stage = options.stage;
    for (const auto& [gameKey, keyNames] : settings.keys) {
        std::vector<int>& scancodes = p.keys[gameKeyNamed(gameKey)];
        for (const std::string& name : keyNames) {
            scancodes.push_back(platform::scancodeNamed(name));
        }
    }
    return p;
}

Settings settingsAfter(const Settings& read, const WindowChoice& started,
                       const WindowChoice& ended) {
    Settings kept = read;
    if (ended.fullScreen != started.fullScreen) {
        kept.fullScreen = ended.fullScreen;
    }
    if (ended.width != started.width || ended.height != started.height || ended.x != started.x ||
        ended.y != started.y) {
        kept.windowWidth = static_cast<int>(ended.width);
        kept.windowHeight = static_cast<int>(ended.height);
        kept.windowX = ended.x;
        kept.windowY = ended.y;
    }
    return withinBounds(kept);
}
