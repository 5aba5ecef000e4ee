#include "shell/spare/WindowInputQueries.h"

#include "shell/WindowInput.h"

namespace {

std::int32_t takeClick(std::int32_t buttonDown, std::int32_t& clickSeen) {
    if (buttonDown != 0) {
        clickSeen = 1;
    }
    if (buttonDown == 0 && clickSeen != 0) {
        clickSeen = 0;
        return 1;
    }
    return 0;
}

}  // namespace

std::int32_t takeLeftClick() {
    return takeClick(windowInput.leftButtonDown, windowInput.leftClickSeen);
}

std::int32_t takeRightClick() {
    return takeClick(windowInput.rightButtonDown, windowInput.rightClickSeen);
}

std::int32_t takeLastKey() {
    const std::int32_t key = windowInput.lastKey;
    windowInput.lastKey = 0;
    return key;
}
