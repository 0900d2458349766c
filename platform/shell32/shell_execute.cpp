// ShellExecute on a desktop without Windows programs: what can be opened is an address, and
// the desktop's opener knows the user's own browser and mail program.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

#include "platform/include/shellapi.h"
#include "platform/shell32/launcher.h"

namespace {

constexpr char kOpener[] = "xdg-open";
// Any result above 32 means success.
constexpr INT_PTR kStarted = 33;
// The program the saver names when no other browser is registered: the default browser.
constexpr char kStandInBrowser[] = "iexplore.exe";

bool StartsWithNoCase(const std::string& text, const char* prefix) {
    const size_t length = std::strlen(prefix);
    if (text.size() < length) return false;
    return std::equal(prefix, prefix + length, text.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

bool IsWebAddress(const std::string& text) {
    return StartsWithNoCase(text, "http://") || StartsWithNoCase(text, "https://");
}

// Control characters and blanks have no place in an address; they would end it or mislead
// the opener.
bool IsClean(const std::string& address) {
    return std::none_of(address.begin(), address.end(),
                        [](unsigned char c) { return c <= ' ' || c == 0x7F; });
}

bool IsStandInBrowser(std::string file) {
    file.erase(std::remove(file.begin(), file.end(), '"'), file.end());
    const size_t slash = file.find_last_of("\\/");
    const std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    return name.size() == std::strlen(kStandInBrowser) && StartsWithNoCase(name, kStandInBrowser);
}

// The first http or https address among blank-separated parameters, quotes removed.
std::string AddressAmong(const char* parameters) {
    std::string text = parameters ? parameters : "";
    std::replace(text.begin(), text.end(), '"', ' ');
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = std::min(text.find(' ', at), text.size());
        const std::string word = text.substr(at, end - at);
        if (IsWebAddress(word)) return word;
        at = end + 1;
    }
    return "";
}

// The address to open, or empty when nothing here can open what was asked.
std::string AddressFor(const char* file, const char* parameters) {
    const std::string asked = file ? file : "";
    if (IsWebAddress(asked) || StartsWithNoCase(asked, "mailto:")) return asked;
    if (IsStandInBrowser(asked)) return AddressAmong(parameters);
    return "";
}

INT_PTR Execute(const char* file, const char* parameters) {
    const std::string address = AddressFor(file, parameters);
    if (address.empty() || !IsClean(address)) return SE_ERR_NOASSOC;
    return platform::LaunchProgram({kOpener, address}) ? kStarted : SE_ERR_FNF;
}

} // namespace

HINSTANCE WINAPI ShellExecuteA(HWND, LPCSTR, LPCSTR file, LPCSTR parameters, LPCSTR, INT) {
    return reinterpret_cast<HINSTANCE>(Execute(file, parameters));
}

BOOL WINAPI ShellExecuteExA(SHELLEXECUTEINFOA* info) {
    if (!info || info->cbSize != sizeof *info) return FALSE;
    const INT_PTR result = Execute(info->lpFile, info->lpParameters);
    info->hInstApp = reinterpret_cast<HINSTANCE>(result);
    info->hProcess = nullptr;
    return result > 32;
}
