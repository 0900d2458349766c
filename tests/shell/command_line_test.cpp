// The command line: the tail after the program path, the window number, the mode its first
// letter picks and the exit codes of the modes that fail.
#include <gtest/gtest.h>

#include <string>

#include "platform/host/posix/process_entry.h"
#include "shell/CommandLine.h"
#include "tests/shell/shell_fixture.h"

namespace {

TEST(CommandLineTail, SkipsTheProgramPathQuotedOrNotAndTheBlanksAfterIt) {
    const struct {
        const char* line;
        const char* tail;
    } cases[] = {
        {"\"C:\\Program Files\\Lumaris\\lumaris.scr\" /s", "/s"},
        {"\"C:\\Program Files\\lumaris.scr\"/p 1234", "/p 1234"},
        {"C:\\lumaris.scr /p 1234", "/p 1234"},
        {"lumaris.scr", ""},
        {"lumaris.scr \t\x01\x1f  /c:77", "/c:77"},
        {"\"never closed /s", ""},
        {"\"C:\\Fichiers \xc3\xa9t\xc3\xa9\\lumaris.scr\" -S", "-S"},
        {"C:\\\xe6\x97\xa5\\lumaris.scr /s", "/s"},
        {"\"\xe2\x82", ""}, // a character cut off by the end
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::string(CommandLineTail(c.line)), c.tail) << c.line;
}

TEST(ParseWindowNumber, ReadsLeadingDigitsOnlyAndWraps) {
    EXPECT_EQ(ParseWindowNumber("1234"), 1234u);
    EXPECT_EQ(ParseWindowNumber("1234:5 6"), 1234u);
    EXPECT_EQ(ParseWindowNumber(""), 0u);
    EXPECT_EQ(ParseWindowNumber(" 12"), 0u);
    EXPECT_EQ(ParseWindowNumber("-7"), 0u);
    EXPECT_EQ(ParseWindowNumber("+7"), 0u);
    EXPECT_EQ(ParseWindowNumber("4294967295"), 4294967295u);
    EXPECT_EQ(ParseWindowNumber("4294967296"), 0u);
    EXPECT_EQ(ParseWindowNumber("99999999999"), 1215752191u);
}

TEST(ChooseMode, OnlyTheFirstLetterDecides) {
    const struct {
        const char* tail;
        SaverMode mode;
        UINT window;
        bool foreground;
    } cases[] = {
        {"/s", SaverMode::FullScreen, 0, false},
        {"-S", SaverMode::FullScreen, 0, false},
        {"S", SaverMode::FullScreen, 0, false},
        {"/ s", SaverMode::FullScreen, 0, false},
        {"--/s /p 12", SaverMode::FullScreen, 0, false},
        {"/p 1234", SaverMode::Preview, 1234, false},
        {"/p1234", SaverMode::Preview, 1234, false},
        {"/L   99x", SaverMode::Preview, 99, false},
        {"/p", SaverMode::Preview, 0, false},
        {"/c:5678", SaverMode::Settings, 0, true},
        {"", SaverMode::Settings, 0, false},
        {"   ", SaverMode::Settings, 0, false},
        {"/a 42", SaverMode::ChangePassword, 42, false},
        {"/x", SaverMode::Invalid, 0, false},
        {"\t/s", SaverMode::Invalid, 0, false},
        {"\xc3\xa9", SaverMode::Invalid, 0, false},
    };
    for (const auto& c : cases) {
        const ModeChoice choice = ChooseMode(c.tail);
        EXPECT_EQ(choice.mode, c.mode) << c.tail;
        EXPECT_EQ(choice.windowNumber, c.window) << c.tail;
        EXPECT_EQ(choice.ownedByForeground, c.foreground) << c.tail;
    }
}

std::string TailFromArguments(std::vector<const char*> argv, const char* daemonWindow = nullptr) {
    const std::string line =
        platform::CommandLineFromArguments(int(argv.size()), argv.data(), daemonWindow);
    return CommandLineTail(line.c_str());
}

TEST(HostArguments, BecomeATailAndTheDaemonsConventionsBecomeModes) {
    EXPECT_EQ(TailFromArguments({"/opt/my savers/lumaris", "/p", "1234"}), "/p 1234");
    EXPECT_EQ(TailFromArguments({"lumaris", "two words", "/s"}), "\"two words\" /s");
    EXPECT_EQ(TailFromArguments({"lumaris"}), "");
    EXPECT_EQ(TailFromArguments({"lumaris", "-root"}), "/s");
    EXPECT_EQ(TailFromArguments({"lumaris"}, "0x2a00007"), "/s");
    EXPECT_EQ(TailFromArguments({"lumaris", "-window-id", "0x2a00007"}, "0x2a00007"), "/p 0");
    EXPECT_EQ(TailFromArguments({"lumaris", "-root", "/c"}), "/c"); // explicit modes win
}

using Dispatch = ShellTest;

TEST_F(Dispatch, FailingModesEndWithMinusOne) {
    // The settings mode ("" and /c:5678) shows the dialog: settings_mode_test.cpp.
    for (const char* tail : {"/x", "/p", "/p 0", "/p 77777", "/a 5"})
        EXPECT_EQ(DispatchCommandLine(GetModuleHandleA(nullptr), tail), -1) << tail;
    EXPECT_FALSE(shellState.win9xFamily);
    EXPECT_EQ(platform::testing::PostedMessageCount(), 0u);
}

} // namespace
