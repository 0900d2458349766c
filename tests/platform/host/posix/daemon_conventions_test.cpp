// The host daemon's conventions: its flags and window ids, and termination signals as close
// requests.
#include <csignal>
#include <string>
#include <vector>

#include "platform/host/posix/daemon_windows.h"
#include "platform/host/posix/process_entry.h"
#include "platform/host/posix/termination_signals.h"
#include "tests/platform/window_test_support.h"

namespace {

using platform::DaemonRequest;
using Kind = DaemonRequest::Kind;
using window_test::WindowTest;

std::string LineFor(std::vector<const char*> argv, const char* daemonWindow = nullptr,
                    HWND previewBox = nullptr) {
    return platform::CommandLineFromArguments(int(argv.size()), argv.data(), daemonWindow,
                                              previewBox);
}

TEST(DaemonArguments, FlagsAloneAreARequestAndAnyOtherArgumentWins) {
    struct Case {
        std::vector<const char*> argv;
        const char* environment;
        Kind kind;
        const char* window;
    };
    const std::vector<Case> cases = {
        {{"lumaris", "-root"}, nullptr, Kind::FullScreen, nullptr},
        {{"lumaris", "-root"}, "0x400007", Kind::FullScreen, "0x400007"},
        {{"lumaris"}, "0x400007", Kind::FullScreen, "0x400007"},
        {{"lumaris"}, "", Kind::None, nullptr},
        {{"lumaris", "-window-id", "77"}, "0x400007", Kind::Preview, "77"},
        {{"lumaris", "-root", "-window-id", "77"}, nullptr, Kind::Preview, "77"},
        {{"lumaris", "-window-id"}, nullptr, Kind::None, nullptr}, // no id: not the flag
        {{"lumaris", "-root", "/c"}, nullptr, Kind::None, nullptr},
    };
    for (const Case& c : cases) {
        const DaemonRequest request =
            platform::DaemonRequestIn(int(c.argv.size()), c.argv.data(), c.environment);
        EXPECT_EQ(request.kind, c.kind) << LineFor(c.argv, c.environment);
        EXPECT_STREQ(request.window, c.window) << LineFor(c.argv, c.environment);
    }
}

TEST(DaemonArguments, APreviewGoesToTheWindowStandingForTheDaemonsBox) {
    const HWND box = reinterpret_cast<HWND>(65552);
    EXPECT_EQ(LineFor({"lumaris", "-window-id", "0x2a00007"}, nullptr, box),
              "\"lumaris\" /p 65552");
    EXPECT_EQ(LineFor({"lumaris", "-window-id", "0x2a00007"}), "\"lumaris\" /p 0");
    EXPECT_EQ(LineFor({"lumaris", "-root"}, "0x2a00007", box), "\"lumaris\" /s");
    EXPECT_EQ(LineFor({"lumaris", "-window-id"}), "\"lumaris\" -window-id");
}

// The daemon's settings application uses two dashes; other display-program flags are taken
// and ignored, "-visual" with its value.
TEST(DaemonArguments, FlagsTakeOneDashOrTwoAndTheOtherDisplayProgramFlagsAreIgnored) {
    const HWND box = reinterpret_cast<HWND>(65552);
    EXPECT_EQ(LineFor({"lumaris", "--root"}), "\"lumaris\" /s");
    EXPECT_EQ(LineFor({"lumaris", "--window-id", "0x2a00007"}, "0x2a00007", box),
              "\"lumaris\" /p 65552");
    for (const char* flag : {"-fps", "--fps", "-no-fps", "--no-fps", "-install", "--install",
                             "-mono", "--mono", "-window", "--window"}) {
        EXPECT_EQ(LineFor({"lumaris", flag, "--root"}), "\"lumaris\" /s") << flag;
        EXPECT_EQ(LineFor({"lumaris", "-window-id", "7", flag}, nullptr, box),
                  "\"lumaris\" /p 65552")
            << flag;
        EXPECT_EQ(LineFor({"lumaris", flag, "/c"}), "\"lumaris\" /c") << flag;
    }
    EXPECT_EQ(LineFor({"lumaris", "-visual", "TrueColor", "-root"}), "\"lumaris\" /s");
    EXPECT_EQ(LineFor({"lumaris", "--root", "--visual", "0x21"}), "\"lumaris\" /s");
    EXPECT_EQ(LineFor({"lumaris", "-visual"}), "\"lumaris\" -visual") << "no value: not the flag";
    EXPECT_EQ(LineFor({"lumaris", "---root"}), "\"lumaris\" ---root");
    EXPECT_EQ(LineFor({"lumaris", "-fps", "/s", "-root"}), "\"lumaris\" /s");
    const char* argv[] = {"lumaris", "--no-fps", "--window-id", "0x11"};
    const DaemonRequest request = platform::DaemonRequestIn(4, argv, nullptr);
    EXPECT_EQ(request.kind, Kind::Preview);
    EXPECT_STREQ(request.window, "0x11");
}

TEST(DaemonArguments, WindowIdsAreHexOrDecimalDigitsOnly) {
    EXPECT_EQ(platform::ParseHostWindowId("0x2a00007"), 0x2a00007ul);
    EXPECT_EQ(platform::ParseHostWindowId("0X1F"), 31ul);
    EXPECT_EQ(platform::ParseHostWindowId("44040199"), 44040199ul);
    for (const char* bad :
         {"", "0x", "-5", " 5", "+5", "0x-5", "0x 5", "12abc", "5 ", "99999999999999999999999"})
        EXPECT_EQ(platform::ParseHostWindowId(bad), 0ul) << bad;
    EXPECT_EQ(platform::ParseHostWindowId(nullptr), 0ul);
}

using DaemonWindows = WindowTest;

// Without a host display the daemon's windows cannot be drawn into: full screen keeps its
// own window on the usual desktop, and a preview has no window to go to.
TEST_F(DaemonWindows, TheHeadlessDisplayAdoptsNoForeignWindow) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    EXPECT_FALSE(platform::ShowFullScreenInHostWindow(0x2a00007));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), width);
    EXPECT_EQ(platform::AdoptHostWindow(0x2a00007), nullptr);
}

class TerminationSignals : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        platform::WatchTerminationSignals();
    }
    void TearDown() override {
        std::signal(SIGTERM, SIG_DFL);
        std::signal(SIGINT, SIG_DFL);
        WindowTest::TearDown();
    }

    // WM_CLOSE messages delivered, by window.
    std::vector<HWND> ClosedWindows() {
        Drain();
        std::vector<HWND> closed;
        for (const auto& r : log)
            if (r.message == WM_CLOSE) closed.push_back(r.window);
        log.clear();
        return closed;
    }
};

TEST_F(TerminationSignals, BecomeOneCloseRequestForEveryShownTopLevelWindow) {
    On(WM_CLOSE, [](HWND, WPARAM, LPARAM) { return LRESULT(0); }); // the windows stay
    const HWND shown = Make();
    MakeChild(shown, {0, 0, 10, 10});
    Make(WS_POPUP); // hidden
    for (int signal : {SIGTERM, SIGINT}) {
        std::raise(signal);
        EXPECT_EQ(ClosedWindows(), std::vector<HWND>{shown}) << signal;
        EXPECT_TRUE(ClosedWindows().empty()) << "one request per signal";
    }
}

TEST_F(TerminationSignals, ASignalBeforeAnyWindowIsShownWaitsForOne) {
    std::raise(SIGTERM);
    EXPECT_TRUE(ClosedWindows().empty());
    const HWND window = Make(WS_POPUP);
    EXPECT_TRUE(ClosedWindows().empty());
    ShowWindow(window, SW_SHOW);
    EXPECT_EQ(ClosedWindows(), std::vector<HWND>{window});
}

// A parent may start the program with the signals blocked: one already waiting is heard as
// soon as the handlers are in place, instead of waiting for ever.
TEST_F(TerminationSignals, ASignalWaitingBlockedIsHeardOnceTheHandlersAreInstalled) {
    sigset_t termination;
    sigemptyset(&termination);
    sigaddset(&termination, SIGTERM);
    sigprocmask(SIG_BLOCK, &termination, nullptr);
    std::raise(SIGTERM);
    platform::WatchTerminationSignals();
    sigset_t pending;
    sigpending(&pending);
    EXPECT_FALSE(sigismember(&pending, SIGTERM));
    const HWND window = Make();
    EXPECT_EQ(ClosedWindows(), std::vector<HWND>{window});
}

} // namespace
