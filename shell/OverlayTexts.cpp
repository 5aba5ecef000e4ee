#include "shell/OverlayTexts.h"

#include <initializer_list>
#include <utility>

namespace {

using platform::OverlayPanel;
using platform::OverlayPlace;

std::string shown(const ShownKeys& keys, std::string_view name) {
    const auto found = keys.find(name);
    if (found == keys.end()) {
        return std::string(name);
    }
    // A key the player's bindings left with none is said to have none, not left blank.
    return found->second.empty() ? "(no key)" : found->second;
}

// The text with each "{Name}" replaced by the keys that give Name.
std::string withKeys(std::string_view text, const ShownKeys& keys) {
    std::string out;
    while (!text.empty()) {
        const std::size_t open = text.find('{');
        const std::size_t close = text.find('}', open);
        if (open == text.npos || close == text.npos) {
            out += text;
            break;
        }
        out += text.substr(0, open);
        out += shown(keys, text.substr(open + 1, close - open - 1));
        text.remove_prefix(close + 1);
    }
    return out;
}

platform::OverlayColumn column(std::initializer_list<std::string_view> lines,
                               const ShownKeys& keys) {
    platform::OverlayColumn made;
    for (const std::string_view line : lines) {
        if (line.empty()) {
            continue;  // a line this place has none of
        }
        made.push_back(withKeys(line, keys));
    }
    return made;
}

}  // namespace

OverlayPanel pausedPanel(const ShownKeys& keys) {
    return {.place = OverlayPlace::Middle,
            .linesTall = 14,
            .columns = {column({"Paused: press {Pause} to go on", "일시 정지: 계속하려면 {Pause}",
                                "{Help}: keys / 조작키"},
                               keys)}};
}

OverlayPanel helpPanel(const ShownKeys& keys, std::int32_t furthestStage,
                       const platform::OverlayColumn& bests, HelpPlace place) {
    const bool page = place == HelpPlace::Page;
    ShownKeys withStage = keys;
    withStage["Stage"] = std::to_string(furthestStage);
    OverlayPanel help{
        .place = OverlayPlace::Middle,
        .linesTall = 26,
        .columns = {
            column({"Keys: {Help} again to go on",
                    "{Enter}, {Space} or an arrow: leave the title or a card",
                    "Arrows ({Left}, {Right}, {Up}, {Down}): nudge the ball",
                    "An arrow held against a wall: kick off it", "{Space} held: hover",
                    "{Escape}: quit during play", "{Pause}: pause", "{Mute}: sound off and on",
                    "{VolumeDown}, {VolumeUp}: quieter, louder",
                    "{Timer}: the timer, {KeysShown}: the keys pressed",
                    page ? "Alt+Enter or Full screen: full screen"
                         : "Alt+Enter: full screen or a window",
                    page ? "On-screen keys: arrows, Space, Enter" : "",
                    "Gamepad: D-pad or left stick: arrows,", "A: Space, B or Start: Enter,",
                    "Back: Escape, Y: pause",
                    page ? "Furthest stage reached: {Stage} (Continue)"
                         : "Furthest stage reached: {Stage} (--continue)",
                    page ? "Before and after a game: Play, Continue, Practise" : ""},
                   withStage),
            column({"조작키: 계속하려면 {Help}", "{Enter}, {Space}, 화살표: 타이틀과 카드 넘기기",
                    "화살표 ({Left}, {Right}, {Up}, {Down}): 공 밀기",
                    "벽에 대고 화살표를 누르고 있으면: 벽 차기", "{Space} 누르고 있기: 떠 있기",
                    "{Escape}: 게임 중에 끝내기", "{Pause}: 일시 정지", "{Mute}: 소리 끄기와 켜기",
                    "{VolumeDown}, {VolumeUp}: 소리 작게, 크게",
                    "{Timer}: 시간 표시, {KeysShown}: 조작키 표시",
                    page ? "Alt+Enter, Full screen: 전체 화면" : "Alt+Enter: 전체 화면과 창",
                    page ? "화면 키: 화살표, Space, Enter" : "",
                    "게임패드: 십자키와 왼쪽 스틱: 화살표,", "A: Space, B와 Start: Enter,",
                    "Back: Escape, Y: 일시 정지",
                    page ? "가장 멀리 간 스테이지: {Stage} (Continue)"
                         : "가장 멀리 간 스테이지: {Stage} (--continue)",
                    page ? "게임 전과 끝에: Play, Continue, Practise" : ""},
                   withStage)}};
    if (!bests.empty()) {
        help.columns.push_back(bests);
    }
    return help;
}

OverlayPanel volumePanel(int volume, bool muted) {
    const std::string level = std::to_string(volume) + " %";
    return {.place = OverlayPlace::TopRight,
            .linesTall = 20,
            .columns = {{muted ? "Sound off / 소리 꺼짐" : "Volume / 음량 " + level}}};
}

OverlayPanel titleHintPanel(const ShownKeys& keys) {
    return {.place = OverlayPlace::Bottom,
            .linesTall = 26,
            .columns = {column({"{Enter}, {Space} or an arrow: start    {Help}: keys",
                                "{Enter}, {Space}, 화살표: 시작    {Help}: 조작키"},
                               keys)}};
}

platform::OverlayColumn linesWithKeys(std::initializer_list<std::string_view> lines,
                                      const ShownKeys& keys) {
    return column(lines, keys);
}
