// The link a recorded game leaves (--record-link): it plays back as the recording does, and it is
// asked for only beside a recording.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "keyscript/RunLink.h"
#include "keyscript/ScriptedPlay.h"
#include "tests/ScratchFolder.h"

namespace {

std::string textOf(const std::string& path) {
    return {std::istreambuf_iterator(std::ifstream(path).rdbuf()), {}};
}

TEST(ScriptedPlayLink, TheRecordingsLinkHoldsItsRunAndNeedsARecording) {
    const ScratchFolder folder("scripted_link");
    const std::string recording = (folder.path() / "game.keys").string();
    const std::string linkFile = (folder.path() / "game.link").string();
    std::string error;
    int status = 0;
    {
        ScriptedPlay play;
        ScriptedPlayOptions options;
        options.recordPath = recording;
        options.recordLinkPath = linkFile;
        options.startStage = 4;
        ASSERT_TRUE(play.prepare(options, error, status)) << error;
        ASSERT_TRUE(play.finish("end=escape"));
    }
    RunScript run;
    ASSERT_TRUE(readRunLink(textOf(linkFile), run, error)) << error;
    EXPECT_EQ(run.stage, 4);
    EXPECT_TRUE(run.lines.empty());
    EXPECT_NE(textOf(recording).find("# end=escape"), std::string::npos);

    ScriptedPlay unrecorded;
    ScriptedPlayOptions linkAlone;
    linkAlone.recordLinkPath = linkFile;
    EXPECT_FALSE(unrecorded.prepare(linkAlone, error, status));
    EXPECT_EQ(error, "--record-link needs --record");
    EXPECT_EQ(status, 2);
}

}  // namespace
