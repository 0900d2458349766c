// The recording mode's arguments, and a recording ended by a termination request.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "tests/shell/entry/program_runner.h"

namespace {

class RecordingProgram : public ::testing::Test {
protected:
    std::string Gif() const { return folder.folder + "/out.gif"; }

    TemporaryRegistry folder;
};

TEST_F(RecordingProgram, RefusesOutOfRangeValuesWithOneLine) {
    const struct {
        std::vector<std::string> arguments;
        const char* line;
    } cases[] = {
        {{"--seconds", "4294968"},
         "lumaris: --seconds \"4294968\" is not a whole number from 1 to 86400 (one day)\n"},
        {{"--seconds", "99999999999"},
         "lumaris: --seconds \"99999999999\" is not a whole number from 1 to 86400 (one day)\n"},
        {{"--seconds", "0"},
         "lumaris: --seconds \"0\" is not a whole number from 1 to 86400 (one day)\n"},
        {{"--seconds", "1", "--box", "100000x100000"},
         "lumaris: --box \"100000x100000\" is larger than 7680x4320 (8K), the largest size "
         "supported; larger would need gigabytes of memory\n"},
        {{"--seconds", "1", "--size", "7681x10"},
         "lumaris: --size \"7681x10\" is larger than 7680x4320 (8K), the largest size "
         "supported; larger would need gigabytes of memory\n"},
        {{"--seconds", "1", "--size", "640x"}, "lumaris: --size \"640x\" is not a size WxH\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments{"--record", Gif()};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        arguments.push_back("/s");
        ProgramRun run(folder, arguments);
        EXPECT_EQ(run.Wait(), 2) << c.line;
        EXPECT_EQ(run.Err(), c.line);
    }
}

// A GIF that a decoder reads to its end, with at least one picture.
bool WholeGif(const std::string& path) {
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (!gif) return false;
    const bool whole = DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0;
    DGifCloseFile(gif, &error);
    return whole && ProgramRun::Read(path).back() == ';'; // the trailer
}

// Full screen or in a preview box, the saver closes as at the recording's end: the file is
// whole and the hue stored.
TEST_F(RecordingProgram, ATerminationRequestFinishesTheFileAndStoresTheHue) {
    for (const char* mode : {"/s", "/p"}) {
        folder.Write("REGEDIT4\n");
        std::remove(Gif().c_str());
        ProgramRun run(folder, {"--record", Gif(), "--seconds", "86400", "--size", "64x48", "--box",
                                "32x24", mode});
        // Frames are written once the next one arrives: a file with bytes in it is under way.
        ASSERT_TRUE(ProgramRun::Await([&] { return ProgramRun::Read(Gif()).size() > 1000; }));
        run.Terminate();
        EXPECT_EQ(run.Wait(), 0) << run.Err();
        EXPECT_TRUE(WholeGif(Gif())) << mode;
        EXPECT_NE(folder.Text().find("\"hue\"=dword:"), std::string::npos) << mode;
    }
}

// The reason comes with the failure; a device or link named as the output is never deleted.
TEST_F(RecordingProgram, AFailedWriteSaysWhyAndRemovesOnlyAPlainFile) {
    ProgramRun missing(folder, {"--record", folder.folder + "/no/such/folder/out.gif", "--seconds",
                                "1", "--size", "64x48", "/s"});
    EXPECT_EQ(missing.Wait(), 1);
    EXPECT_EQ(missing.Err(), "lumaris: cannot write " + folder.folder +
                                 "/no/such/folder/out.gif: No such file or directory\n");

    const std::string full = folder.folder + "/full.gif";
    ASSERT_EQ(symlink("/dev/full", full.c_str()), 0);
    ProgramRun run(folder, {"--record", full, "--seconds", "1", "--size", "64x48", "/s"});
    EXPECT_EQ(run.Wait(), 1);
    EXPECT_EQ(run.Err(), "lumaris: recording failed (No space left on device)\n");
    struct stat status;
    EXPECT_EQ(lstat(full.c_str(), &status), 0);
}

} // namespace
