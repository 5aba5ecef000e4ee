// Windows that log their presents: the clock's time of each present as one line, appended to the
// file, with everything else passed to the window they wrap.
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/sdl/HeadlessWindow.h"
#include "platform/seams/Clock.h"
#include "shell/PresentLog.h"
#include "tests/FullDevice.h"

namespace {

class PresentLog : public ::testing::Test {
  protected:
    PresentLog() { platform::installClock(clock); }
    ~PresentLog() override {
        platform::installClock(previous);
        std::filesystem::remove(path);
    }

    std::string logged() const {
        return {std::istreambuf_iterator(std::ifstream(path).rdbuf()), {}};
    }

    // The headless windows the wrapped factory made, left to the test to look into.
    WindowFactory headless() {
        return [this](const char*, std::string&) {
            auto window = std::make_unique<platform::HeadlessWindow>(800, 600);
            made = window.get();
            return window;
        };
    }

    std::function<void(const std::string&)> warnings() {
        return [this](const std::string& problem) { warned += problem + "\n"; };
    }

    platform::Clock& previous = platform::clock();
    std::string warned;
    platform::VirtualClock clock;
    platform::HeadlessWindow* made = nullptr;
    const std::string path = std::filesystem::temp_directory_path() /
                             ("tb_present_log_" + std::to_string(::getpid()) + ".txt");
};

constexpr std::array<std::uint16_t, 1> Pixel = {0xF800};
constexpr platform::PictureView Picture{Pixel.data(), 1, 1, 2};

TEST_F(PresentLog, AppendsTheTimeOfEveryPresentAndPassesEverythingOn) {
    std::ofstream(path) << "12\n";
    const WindowFactory factory = logPresents(headless(), path, warnings());
    std::string error;
    const auto window = factory("title", error);
    ASSERT_NE(window, nullptr);

    // The rest of what passes through is the desktop window's test.
    EXPECT_EQ(window->screenBounds(), (RECT{0, 0, 800, 600}));

    clock.sleep(5);
    EXPECT_EQ(window->present(Picture), S_OK);
    clock.sleep(17);
    EXPECT_EQ(window->present({}), E_INVALIDARG) << "the wrapped window's result";
    EXPECT_EQ(made->presentCount(), 1u);
    EXPECT_EQ(made->pixel(0, 0), 0xF800);
    EXPECT_EQ(logged(), "12\n5000000\n22000000\n") << "appended, each line there at once";
    EXPECT_EQ(warned, "");
}

TEST_F(PresentLog, ALogThatCannotBeWrittenIsNamedOnceAndTheWindowsGoOn) {
    std::string failure;
    const auto unopened = logPresents(headless(), "/nonexistent/dir/log", warnings())("", failure);
    EXPECT_EQ(warned,
              "cannot write the present log /nonexistent/dir/log: No such file or "
              "directory\n");
    EXPECT_EQ(unopened->present(Picture), S_OK);

    warned.clear();
    if (const FullDevice device; !device.path().empty()) {  // making one needs root
        const auto full = logPresents(headless(), device.path(), warnings())("", failure);
        EXPECT_EQ(full->present(Picture), S_OK);
        EXPECT_EQ(full->present(Picture), S_OK);
        EXPECT_EQ(made->presentCount(), 2u);
        EXPECT_EQ(warned,
                  "cannot write the present log " + device.path() + ": No space left on device\n");
    }

    const WindowFactory refusing = [](const char*, std::string& reason) {
        reason = "no display";
        return std::unique_ptr<platform::Window>();
    };
    EXPECT_EQ(logPresents(refusing, path, warnings())("title", failure), nullptr);
    EXPECT_EQ(failure, "no display");
}

}  // namespace
