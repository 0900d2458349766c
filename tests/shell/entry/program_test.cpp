// The Linux program as the daemon and a user start it: help and version, hints, settings
// given for one run, one saver at a time, and termination requests however early they come.
#include <gtest/gtest.h>

#include <string>

#include "tests/shell/entry/program_runner.h"

namespace {

::testing::AssertionResult Holds(const std::string& text, const std::string& part) {
    if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << part << "\" not in:\n" << text;
}

class Program : public ::testing::Test {
protected:
    std::string LockFile() const { return folder.folder + "/lumaris-saver.lock"; }

    // A full-screen saver that has started: it holds the one-saver lock.
    bool Started() const {
        return ProgramRun::Await([&] { return ProgramRun::LockHeld(LockFile()); });
    }

    TemporaryRegistry folder;
};

TEST_F(Program, HelpAndVersionPrintAndEndWithZero) {
    ProgramRun help(folder, {"--help"});
    EXPECT_EQ(help.Wait(), 0);
    for (const char* part : {"/s", "--root", "--window-id", "--record", "--big N (0 to 10)",
                             "stores\nnothing", "LUMARIS_DESKTOP_SIZE", "Settings file: "})
        EXPECT_TRUE(Holds(help.Out(), part));
    EXPECT_TRUE(Holds(help.Out(), folder.File()));

    ProgramRun version(folder, {"/s", "--version"});
    EXPECT_EQ(version.Wait(), 0);
    EXPECT_EQ(version.Out(), "lumaris " LUMARIS_VERSION "\n");
}

TEST_F(Program, AnUnknownOptionGetsAHintAndTheInvalidCommandLinesCode) {
    ProgramRun unknown(folder, {"--frobnicate", "7"});
    EXPECT_EQ(unknown.Wait(), 255);
    EXPECT_EQ(unknown.Err(),
              "lumaris: unknown mode or option \"--frobnicate\" (lumaris --help lists them)\n");

    ProgramRun badValue(folder, {"--speed", "fast", "/s"});
    EXPECT_EQ(badValue.Wait(), 255);
    EXPECT_EQ(badValue.Err(), "lumaris: --speed takes a whole number from 1 to 10, not \"fast\"\n");
}

TEST_F(Program, ATerminationRequestWaitingAtStartEndsTheRunWithTheHueStored) {
    ProgramRun saver(folder, {"/s"}, true);
    EXPECT_EQ(saver.Wait(), 0);
    EXPECT_TRUE(Holds(folder.Text(), "\"hue\"=dword:"));
}

TEST_F(Program, ARunGivenSettingsStoresNothing) {
    folder.Write("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Orvantis\\Lumaris]\n"
                 "\"hue\"=dword:00000011\n");
    const std::string before = folder.Text();
    ProgramRun saver(folder, {"--hue", "200", "--animate-colors", "--root"});
    ASSERT_TRUE(Started());
    saver.Terminate();
    EXPECT_EQ(saver.Wait(), 0);
    EXPECT_EQ(folder.Text(), before);
}

TEST_F(Program, ASecondFullScreenSaverEndsAtOnceWithZero) {
    ProgramRun first(folder, {"/s"});
    ASSERT_TRUE(Started());
    ProgramRun second(folder, {"-S"});
    EXPECT_EQ(second.Wait(), 0);
    ProgramRun daemons(folder, {"--root", "-fps"});
    EXPECT_EQ(daemons.Wait(), 0);
    first.Terminate();
    EXPECT_EQ(first.Wait(), 0);

    // The lock went with the first saver.
    ProgramRun third(folder, {"/s"});
    ASSERT_TRUE(Started());
    third.Terminate();
    EXPECT_EQ(third.Wait(), 0);
}

TEST_F(Program, AnOversizedDesktopGetsOneLineAndTheDefaultSize) {
    setenv("LUMARIS_DESKTOP_SIZE", "100000x100000", 1);
    ProgramRun large(folder, {"/s"}, true);
    EXPECT_EQ(large.Wait(), 0);
    EXPECT_EQ(large.Err(), "lumaris: LUMARIS_DESKTOP_SIZE \"100000x100000\" is larger than "
                           "7680x4320 (8K), the largest size supported; larger would need "
                           "gigabytes of memory; using 1024x768\n");
    unsetenv("LUMARIS_DESKTOP_SIZE");
}

} // namespace
