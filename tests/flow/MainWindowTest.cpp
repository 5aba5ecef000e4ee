#include <string_view>

#include "shell/Cp949Text.h"
#include "tests/flow/FlowFixture.h"

namespace flowtest {
namespace {

using MainWindow = FlowTest;

TEST_F(MainWindow, KeepsItsTitleInCodePage949AndShowsItAsUtf8) {
    EXPECT_EQ(std::string_view(MainWindowTitle),
              "\xC1\xA6\xB8\xF1\x20\xBE\xF8\xB0\xC5\xB5\xA2\x3F");
    platform::Window* window = nullptr;
    ASSERT_EQ(createMainWindow(&window), S_OK);
    EXPECT_EQ(windowTitle, "제목 없거덩?");
    EXPECT_EQ(cp949ToUtf8("ab\x81\x41"), "ab\uFFFD") << "a pair it does not know";
    EXPECT_EQ(cp949ToUtf8("?\xC1"), "?\uFFFD") << "a lead byte cut off";
}

}  // namespace
}  // namespace flowtest
