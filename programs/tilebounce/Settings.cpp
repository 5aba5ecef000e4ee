#include "programs/tilebounce/Settings.h"

#include <algorithm>
#include <type_traits>

#include "programs/tilebounce/SettingsTable.h"

namespace {

// Whether the setting of `row` is the same in both.
bool sameSetting(const SettingRow& row, const Settings& a, const Settings& b) {
    return std::visit(
        [&](const auto& kind) {
            if constexpr (std::is_same_v<std::decay_t<decltype(kind)>, KeyListField>) {
                const std::vector<std::string>* inA = boundKeys(a, row.key);
                const std::vector<std::string>* inB = boundKeys(b, row.key);
                return inA == nullptr || inB == nullptr ? inA == inB : *inA == *inB;
            } else {
                return a.*kind.field == b.*kind.field;
            }
        },
        row.field);
}

// The setting of `row` in `to` made as in `from`.
void copySetting(const SettingRow& row, const Settings& from, Settings& to) {
    std::visit(
        [&](const auto& kind) {
            if constexpr (std::is_same_v<std::decay_t<decltype(kind)>, KeyListField>) {
                if (const std::vector<std::string>* keys = boundKeys(from, row.key)) {
                    to.keys[std::string(row.key)] = *keys;
                } else {
                    to.keys.erase(std::string(row.key));
                }
            } else {
                to.*kind.field = from.*kind.field;
            }
        },
        row.field);
}

void holdToBounds(const SettingRow& row, Settings& s) {
    if (const auto* number = std::get_if<NumberField>(&row.field)) {
        int& value = s.*number->field;
        if (!(number->zeroIsNone && value == 0)) {
            value = std::clamp(value, number->low, number->high);
        }
    } else if (const auto* optional = std::get_if<OptionalNumberField>(&row.field)) {
        std::optional<int>& value = s.*optional->field;
        if (value) {
            value = std::clamp(*value, optional->low, optional->high);
        }
    }
}

}  // namespace

Settings withinBounds(Settings s) {
    // A size or a place is a pair: half of one is none.
    if (s.windowWidth <= 0 || s.windowHeight <= 0) {
        s.windowWidth = 0;
        s.windowHeight = 0;
    }
    if (!s.windowX || !s.windowY) {
        s.windowX.reset();
        s.windowY.reset();
    }
    for (const SettingRow& row : settingRows()) {
        holdToBounds(row, s);
    }
    return s;
}

Settings changesOver(const Settings& onDisk, const Settings& before, const Settings& after) {
    Settings kept = onDisk;
    for (const SettingRow& row : settingRows()) {
        if (!sameSetting(row, before, after)) {
            copySetting(row, after, kept);
        }
    }
    kept.furthestStage = std::max(onDisk.furthestStage, after.furthestStage);
    return withinBounds(kept);
}
