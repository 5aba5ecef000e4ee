#include "shell/KeysShownPanel.h"

platform::OverlayPanel keysShownPanel(const KeyScriptLine& polled) {
    return {.place = platform::OverlayPlace::BottomLeft,
            .linesTall = 24,
            .columns = {{"Keys / 조작키: " + formatKeys(polled)}}};
}
