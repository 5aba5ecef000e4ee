#pragma once
// Every setting the file holds, in the order it is written: its section and key, the field of
// Settings it stands for and the bounds its value is held to, which together say how it is read,
// written, held to its bounds and merged.
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "programs/tilebounce/Settings.h"

// "true" or "false".
struct FlagField {
    bool Settings::*field;
};
// "sharp" or "nearest".
struct ScalingField {
    platform::Scaling Settings::*field;
};
// A whole number within [low, high]; with `zeroIsNone`, 0 stands for none and is not written.
struct NumberField {
    int Settings::*field;
    int low;
    int high;
    bool zeroIsNone = false;
};
// A whole number within [low, high], or none, which is not written.
struct OptionalNumberField {
    std::optional<int> Settings::*field;
    int low;
    int high;
};
// "best" (true) or "none".
struct GhostField {
    bool Settings::*field;
};
// The keys bound, in Settings::keys, to the game key or player's key the setting's key names.
struct KeyListField {};

using SettingField = std::variant<FlagField, ScalingField, GhostField, NumberField,
                                  OptionalNumberField, KeyListField>;

struct SettingRow {
    std::string_view section;
    std::string_view key;
    SettingField field;
};

// Every setting, each section's together, in the file's order.
const std::vector<SettingRow>& settingRows();

// The setting at [section] key, or nullptr when there is none.
const SettingRow* settingRowAt(std::string_view section, std::string_view key);

// The keys a key-list setting holds in `settings`, or nullptr when it holds none.
const std::vector<std::string>* boundKeys(const Settings& settings, std::string_view key);
