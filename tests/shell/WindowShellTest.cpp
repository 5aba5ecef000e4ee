#include <gtest/gtest.h>

#include <array>

#include "display/Display.h"
#include "platform/seams/WindowEvents.h"
#include "shell/MainWindow.h"
#include "shell/MessagePump.h"
#include "shell/WindowInput.h"
#include "shell/spare/WindowInputQueries.h"

namespace {

using platform::WindowMessage;

class WindowShell : public ::testing::Test {
  protected:
    void SetUp() override {
        windowInput = WindowInput{};
        platform::installWindowEvents(events);
    }
    platform::ScriptedWindowEvents events;
};

TEST_F(WindowShell, PumpDispatchesEverythingBeforeTheQuitThenFailsForGood) {
    EXPECT_EQ(pumpMessages(), S_OK) << "nothing waiting";
    EXPECT_EQ(windowInput.quitReceived, 0);
    events.post({WM_KEYDOWN, 39, 0});
    events.post({WM_LBUTTONDOWN, 0, 0});
    events.post({WM_DESTROY, 0, 0});
    events.post({WM_QUIT, 0, 0});
    events.post({WM_KEYDOWN, 13, 0});
    EXPECT_EQ(pumpMessages(), E_FAIL);
    EXPECT_EQ(windowInput.lastKey, 39);
    EXPECT_EQ(windowInput.leftButtonDown, 1);
    EXPECT_EQ(pumpMessages(), E_FAIL);
    EXPECT_EQ(windowInput.lastKey, 39) << "nothing is handled after the quit";
}

TEST_F(WindowShell, AnyKeyUpClearsTheLastKey) {
    windowProc(WM_KEYDOWN, 37, 0);
    windowProc(WM_KEYDOWN, 38, 0);
    windowProc(WM_KEYUP, 37, 0);
    EXPECT_EQ(takeLastKey(), 0);
    windowProc(WM_KEYDOWN, 40, 0);
    EXPECT_EQ(takeLastKey(), 40);
    EXPECT_EQ(takeLastKey(), 0);
}

TEST_F(WindowShell, MouseWordsAreSignedSixteenBit) {
    windowProc(WM_MOUSEMOVE, 0, std::intptr_t{0x8000FFFF});
    EXPECT_EQ((std::array{windowInput.mouseX, windowInput.mouseY}), (std::array{-1, -32768}));
    windowProc(WM_MOUSEMOVE, 0, std::intptr_t{0x00200010});
    EXPECT_EQ((std::array{windowInput.mouseX, windowInput.mouseY}), (std::array{16, 32}));
}

TEST_F(WindowShell, AClickIsReportedOnceAndOnlyWhenBothEdgesWereSeen) {
    windowProc(WM_LBUTTONDOWN, 0, 0);
    windowProc(WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(takeLeftClick(), 0) << "press and release between two queries";

    windowProc(WM_RBUTTONDOWN, 0, 0);
    EXPECT_EQ(takeRightClick(), 0);
    windowProc(WM_RBUTTONUP, 0, 0);
    EXPECT_EQ(takeRightClick(), 1);
    EXPECT_EQ(takeRightClick(), 0);
    EXPECT_EQ(takeLeftClick(), 0);
}

// Destroying the window works as its destruction on the desktop does: the Display lets go of it
// (and can be released afterwards), and the pump ends once what was waiting has been handled.
TEST_F(WindowShell, DestroyingTheMainWindowEndsThePumpAndFreesTheDisplay) {
    Display shown;
    display = &shown;
    platform::Window* window = nullptr;
    ASSERT_EQ(createMainWindow(&window), S_OK);
    ASSERT_EQ(shown.openFullScreen(window, 640, 480, 16), S_OK);
    events.post({WM_KEYDOWN, 39, 0});

    destroyMainWindow(window);
    EXPECT_EQ(shown.window, nullptr);
    EXPECT_EQ(pumpMessages(), E_FAIL);
    EXPECT_EQ(windowInput.lastKey, 39) << "what waited is handled before the quit";
    shown.releaseAll();
    destroyMainWindow(window);  // a window already gone is ignored
    display = nullptr;
}

}  // namespace
