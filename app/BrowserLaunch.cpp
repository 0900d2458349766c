#include "app/BrowserLaunch.h"

#include <algorithm>
#include <cctype>

#include "platform/win32.h"

namespace {

constexpr DWORD kCommandLength = 256;
constexpr char kQuotedPlaceholder[] = "\"%1\"";

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// The default value of the browser command key, or "dummy".
std::string RegisteredCommand() {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, kBrowserCommandKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return "dummy";
    char text[kCommandLength + 1] = {}; // one more: a value of 256 bytes has no terminator
    DWORD size = kCommandLength;
    const LONG status =
        RegQueryValueExA(key, "", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? std::string(text) : "dummy";
}

// The text after the browser program: the address in place of a quoted %1, or after a blank.
std::string ParametersAfter(const std::string& rest, const std::string& url) {
    const size_t placeholder = rest.find(kQuotedPlaceholder);
    if (placeholder != std::string::npos) return rest.substr(0, placeholder) + url;
    return rest + " " + url;
}

} // namespace

BrowserCall ChooseBrowserCall(const std::string& argument, const std::string& command) {
    const std::string lowered = Lower(argument);
    const size_t http = lowered.find("http");
    const std::string url = http == std::string::npos ? lowered : lowered.substr(http);
    const BrowserCall fallback{kFallbackBrowser, "-new " + url};
    const std::string program = Lower(command);
    if (program.find(kFallbackBrowser) != std::string::npos) return fallback;
    const size_t exe = program.find(".exe");
    if (exe == std::string::npos) return fallback;
    const size_t end = exe + 4;
    BrowserCall call{program.substr(0, end), url};
    // The character after ".exe" is normally a closing quote or a blank.
    if (program.size() > end + 1) call.parameters = ParametersAfter(program.substr(end + 1), url);
    return call;
}

void LaunchBrowser(const std::string& argument) {
    const BrowserCall call = ChooseBrowserCall(argument, RegisteredCommand());
    SHELLEXECUTEINFOA execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_NOCLOSEPROCESS;
    execute.hwnd = GetDesktopWindow();
    execute.lpFile = call.file.c_str();
    execute.lpParameters = call.parameters.c_str();
    execute.nShow = SW_SHOWNORMAL;
    // The browser's handle is asked for but not needed: it is given back at once.
    if (ShellExecuteExA(&execute) && execute.hProcess) CloseHandle(execute.hProcess);
}
