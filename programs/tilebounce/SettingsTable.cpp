#include "programs/tilebounce/SettingsTable.h"

#include <algorithm>

#include "game/RunGame.h"
#include "keyscript/GameKeys.h"
#include "platform/sdl/keys/PlayerKeys.h"

const std::vector<SettingRow>& settingRows() {
    static const std::vector<SettingRow> rows = [] {
        std::vector<SettingRow> made = {
            {"window", "fullscreen", FlagField{&Settings::fullScreen}},
            {"window", "integer_scale", FlagField{&Settings::integerScale}},
            {"window", "scaling", ScalingField{&Settings::scaling}},
            {"window", "width", NumberField{&Settings::windowWidth, 1, MaxWindowWidth, true}},
            {"window", "height", NumberField{&Settings::windowHeight, 1, MaxWindowHeight, true}},
            {"window", "x",
             OptionalNumberField{&Settings::windowX, MinWindowPosition, MaxWindowPosition}},
            {"window", "y",
             OptionalNumberField{&Settings::windowY, MinWindowPosition, MaxWindowPosition}},
            {"sound", "volume", NumberField{&Settings::volume, 0, 100}},
            {"sound", "muted", FlagField{&Settings::muted}},
            {"progress", "furthest_stage",
             NumberField{&Settings::furthestStage, FirstStage, LastStage}},
            {"view", "timer", FlagField{&Settings::timerShown}},
            {"view", "ghost", GhostField{&Settings::ghostBest}},
        };
        for (const GameKey& key : GameKeys) {
            made.push_back({"keys", key.name, KeyListField{}});
        }
        for (const platform::PlayerKey& key : platform::PlayerKeys) {
            made.push_back({"keys", key.name, KeyListField{}});
        }
        return made;
    }();
    return rows;
}

const SettingRow* settingRowAt(std::string_view section, std::string_view key) {
    const std::vector<SettingRow>& rows = settingRows();
    const auto found = std::find_if(rows.begin(), rows.end(), [&](const SettingRow& row) {
        return row.section == section && row.key == key;
    });
    return found != rows.end() ? &*found : nullptr;
}

const std::vector<std::string>* boundKeys(const Settings& settings, std::string_view key) {
    const auto bound = settings.keys.find(std::string(key));
    return bound != settings.keys.end() ? &bound->second : nullptr;
}
