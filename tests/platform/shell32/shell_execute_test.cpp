// What ShellExecuteA and ShellExecuteExA hand to the desktop's opener: addresses only, one
// argument each, never anything else; the test controls record instead of starting.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/testing/launches.h"
#include "platform/win32.h"

namespace {

using Launch = std::vector<std::string>;

INT_PTR Execute(const char* file, const char* parameters = nullptr) {
    return reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, nullptr, file, parameters, nullptr, SW_SHOWNORMAL));
}

TEST(ShellExecute, OpensAddressesWithTheDesktopsOpener) {
    platform::testing::TakeLaunches();
    EXPECT_GT(Execute("https://lumaris.example.org/"), 32);
    EXPECT_GT(Execute("MAILTO:lumaris@example.org?subject=Lumaris"), 32);
    EXPECT_GT(Execute("http://lumaris.example.org/a", "ignored"), 32);
    const std::vector<Launch> expected = {
        {"xdg-open", "https://lumaris.example.org/"},
        {"xdg-open", "MAILTO:lumaris@example.org?subject=Lumaris"},
        {"xdg-open", "http://lumaris.example.org/a"}};
    EXPECT_EQ(platform::testing::TakeLaunches(), expected);
}

// The stand-in browser means the default browser: its address is opened.
TEST(ShellExecute, StandInBrowserOpensTheAddressAmongItsParameters) {
    platform::testing::TakeLaunches();
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpFile = "\"C:\\Program Files\\IEXPLORE.EXE\"";
    info.lpParameters = "-new \"https://lumaris.example.org/\"";
    info.nShow = SW_SHOWNORMAL;
    EXPECT_TRUE(ShellExecuteExA(&info));
    EXPECT_GT(reinterpret_cast<INT_PTR>(info.hInstApp), 32);
    EXPECT_EQ(info.hProcess, nullptr);
    const std::vector<Launch> expected = {{"xdg-open", "https://lumaris.example.org/"}};
    EXPECT_EQ(platform::testing::TakeLaunches(), expected);
}

// Programs, files, options and addresses with blanks or control characters are refused:
// nothing reaches the opener that it could take for an option or a second argument.
TEST(ShellExecute, RefusesAnythingButACleanAddress) {
    platform::testing::TakeLaunches();
    for (const char* file : {"c:\\browser.exe", "notes.txt", "-v", "file:///etc/passwd",
                             "https://a b", "https://a\nb", "", "iexplore.exe.txt"})
        EXPECT_EQ(Execute(file, "https://lumaris.example.org/"), SE_ERR_NOASSOC) << file;
    EXPECT_EQ(Execute("iexplore.exe", "-new --help"), SE_ERR_NOASSOC);
    EXPECT_EQ(Execute(nullptr), SE_ERR_NOASSOC);
    SHELLEXECUTEINFOA wrongSize{};
    wrongSize.cbSize = 1;
    wrongSize.lpFile = "https://lumaris.example.org/";
    EXPECT_FALSE(ShellExecuteExA(&wrongSize));
    EXPECT_FALSE(ShellExecuteExA(nullptr));
    EXPECT_TRUE(platform::testing::TakeLaunches().empty());
}

} // namespace
