#include "shell/PlaybackTexts.h"

#include <algorithm>
#include <string>

namespace {

std::string speedText(int speedStep) {
    // Appended, not added to a literal: GCC 12 warns falsely about the insert at the front.
    std::string text = speedStep < 0 ? "x1/" : "x";
    text += std::to_string(1 << (speedStep < 0 ? -speedStep : speedStep));
    return text;
}

}  // namespace

platform::OverlayPanel progressPanel(const PlaybackProgress& progress, int speedStep,
                                     bool skipping) {
    const std::uint64_t percent =
        progress.recordedPolls == 0
            ? 100
            : std::min<std::uint64_t>(100, progress.polls * 100 / progress.recordedPolls);
    const std::string polls = std::to_string(progress.polls) + " / " +
                              std::to_string(progress.recordedPolls) + " (" +
                              std::to_string(percent) + " %)";
    const std::string stage = progress.stage == 0 ? "-" : std::to_string(progress.stage);
    const std::string pace = skipping ? "skipping" : speedText(speedStep);
    const std::string paceKo = skipping ? "건너뛰는 중" : speedText(speedStep);
    return {.place = platform::OverlayPlace::Bottom,
            .linesTall = 30,
            .columns = {{"Playback: stage " + stage + ", polls " + polls + ", " + pace,
                         "재생: 스테이지 " + stage + ", 폴링 " + polls + ", " + paceKo}}};
}

platform::OverlayPanel playbackKeysPanel(const ShownKeys& keys, bool restarts) {
    const std::string_view restart =
        restarts ? "{Restart}: from the start" : "{Restart}: not while recording";
    const std::string_view restartKo =
        restarts ? "{Restart}: 처음부터" : "{Restart}: 녹화 중에는 안 됨";
    return {.place = platform::OverlayPlace::Top,
            .linesTall = 30,
            .columns = {linesWithKeys(
                {"Playback: {Pause}: pause, {Step}: one frame, {NextStage}: next stage",
                 "{Slower}, {Faster}: slower, faster (x1/4 to x16)", restart,
                 "Gamepad: Y pause, X one frame, LB, RB slower, faster,",
                 "right stick pressed: next stage, left stick pressed: from the start",
                 "재생: {Pause}: 일시 정지, {Step}: 한 프레임, {NextStage}: 다음 스테이지",
                 "{Slower}, {Faster}: 느리게, 빠르게 (x1/4 ~ x16)", restartKo,
                 "게임패드: Y 일시 정지, X 한 프레임, LB, RB 느리게, 빠르게,",
                 "오른쪽 스틱 누르기: 다음 스테이지, 왼쪽 스틱 누르기: 처음부터"},
                keys)}};
}
