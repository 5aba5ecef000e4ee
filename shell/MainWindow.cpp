#include "shell/MainWindow.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "display/Display.h"
#include "platform/sdl/HeadlessWindow.h"
#include "shell/MessagePump.h"
#include "shell/WindowTitle.h"

namespace {

std::unique_ptr<platform::Window> makeHeadlessWindow(const char*, std::string&) {
    return std::make_unique<platform::HeadlessWindow>();
}

struct WindowShell {
    WindowFactory factory = makeHeadlessWindow;
    std::vector<std::unique_ptr<platform::Window>> windows;
    std::string failure;
};

WindowShell& shell() {
    static WindowShell instance;
    return instance;
}

}  // namespace

WindowFactory installWindowFactory(WindowFactory factory) {
    return std::exchange(shell().factory, std::move(factory));
}

HRESULT createMainWindow(platform::Window** window) {
    *window = nullptr;
    WindowShell& s = shell();
    s.failure.clear();
    std::unique_ptr<platform::Window> made =
        s.factory(cp949ToUtf8(MainWindowTitleCp949).c_str(), s.failure);
    if (!made) {
        if (s.failure.empty()) {
            s.failure = "the window could not be made";
        }
        return E_FAIL;
    }
    *window = s.windows.emplace_back(std::move(made)).get();
    return S_OK;
}

HRESULT destroyMainWindow(platform::Window* window) {
    auto& windows = shell().windows;
    const auto kept = std::find_if(windows.begin(), windows.end(), [window](const auto& candidate) {
        return candidate.get() == window;
    });
    if (kept == windows.end()) {
        return S_OK;
    }
    if (display != nullptr && display->window == window) {
        display->releaseAll();
        display->window = nullptr;
    }
    windows.erase(kept);
    postQuitMessage();
    return S_OK;
}

void destroyAllMainWindows() {
    shell().windows.clear();
}

const std::string& mainWindowFailure() {
    return shell().failure;
}
