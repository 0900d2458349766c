// Which program opens the maker's web page, from the browser command the registry holds.
#include <gtest/gtest.h>

#include "app/BrowserLaunch.h"

namespace {

constexpr char kArgument[] = "-new https://Lumaris.example.org/";
constexpr char kUrl[] = "https://lumaris.example.org/";

TEST(BrowserLaunch, QuotedProgramWithQuotedPlaceholder) {
    const BrowserCall call =
        ChooseBrowserCall(kArgument, "\"C:\\Program Files\\Browser\\BROWSER.EXE\" -url \"%1\"");
    EXPECT_EQ(call.file, "\"c:\\program files\\browser\\browser.exe");
    EXPECT_EQ(call.parameters, std::string(" -url ") + kUrl);
}

TEST(BrowserLaunch, UnquotedPlaceholderStaysBeforeTheAddress) {
    const BrowserCall call = ChooseBrowserCall(kArgument, "c:\\browser.exe %1");
    EXPECT_EQ(call.file, "c:\\browser.exe");
    EXPECT_EQ(call.parameters, std::string("%1 ") + kUrl);
}

TEST(BrowserLaunch, FallsBackToTheStandInBrowser) {
    for (const char* command : {"dummy", "", "c:\\program files\\iexplore.exe -nohome",
                                "c:\\browser.exe", "c:\\browser.exe\""}) {
        const BrowserCall call = ChooseBrowserCall(kArgument, command);
        const bool programOnly = std::string(command).find("browser.exe") != std::string::npos;
        if (programOnly) {
            EXPECT_EQ(call.file, "c:\\browser.exe") << command;
            EXPECT_EQ(call.parameters, kUrl) << command; // nothing after the closing quote
        } else {
            EXPECT_EQ(call.file, "iexplore.exe") << command;
            EXPECT_EQ(call.parameters, std::string("-new ") + kUrl) << command;
        }
    }
}

} // namespace
