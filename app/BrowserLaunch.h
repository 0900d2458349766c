// Opening a web page in the user's browser, whose command line the registry gives.
#pragma once

#include <string>

struct BrowserCall {
    std::string file;
    std::string parameters;
};

inline constexpr char kBrowserCommandKey[] = "HTTP\\shell\\open\\command";
// The program asked for when the registry names no other; the platform's shell takes it
// for the default browser.
inline constexpr char kFallbackBrowser[] = "iexplore.exe";

// What to execute for argument ("-new " and an address) given the registered browser
// command (any text; "dummy" when there is none). Both are lower-cased.
BrowserCall ChooseBrowserCall(const std::string& argument, const std::string& command);
// Reads the registered command and executes the browser with the page; shows nothing when
// that fails.
void LaunchBrowser(const std::string& argument);
