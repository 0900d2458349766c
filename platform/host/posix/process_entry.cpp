#include "platform/host/posix/process_entry.h"

#include <cstdlib>
#include <cstring>

#include "platform/host/posix/daemon_windows.h"
#include "platform/kernel32/command_line.h"

namespace platform {
namespace {

using Kind = DaemonRequest::Kind;

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string Argument(const std::string& text) {
    return text.find_first_of(" \t") == std::string::npos && !text.empty() ? text : Quoted(text);
}

// Display programs take their flags with one dash or two.
const char* FlagName(const char* argument) {
    if (argument[0] != '-') return nullptr;
    return argument[1] == '-' ? argument + 2 : argument + 1;
}

bool Named(const char* name, const char* wanted) {
    return name && std::strcmp(name, wanted) == 0;
}

// Flags the daemon may give any display program; they mean nothing here.
bool IsIgnoredFlag(const char* name) {
    for (const char* ignored : {"fps", "no-fps", "install", "mono", "window"})
        if (Named(name, ignored)) return true;
    return false;
}

// How many arguments the daemon's flag at argv[i] takes up, 0 when it is none. A flag that
// takes a value is an ordinary argument when alone at the end.
int DaemonFlagLength(int argc, const char* const* argv, int i) {
    const char* name = FlagName(argv[i]);
    if (Named(name, "window-id") || Named(name, "visual")) return i + 1 < argc ? 2 : 0;
    return Named(name, "root") || IsIgnoredFlag(name) ? 1 : 0;
}

// The arguments other than the daemon's flags, as given.
std::string OtherArguments(int argc, const char* const* argv) {
    std::string tail;
    for (int i = 1; i < argc;) {
        const int length = DaemonFlagLength(argc, argv, i);
        if (length == 0) tail += " " + Argument(argv[i]);
        i += length > 0 ? length : 1;
    }
    return tail;
}

// A window handle as the preview letter's decimal argument.
std::string PreviewMode(HWND previewBox) {
    return " /p " + std::to_string(reinterpret_cast<uintptr_t>(previewBox));
}

} // namespace

DaemonRequest DaemonRequestIn(int argc, const char* const* argv, const char* daemonWindow) {
    DaemonRequest request;
    if (daemonWindow && *daemonWindow) request = {Kind::FullScreen, daemonWindow};
    for (int i = 1, length = 0; i < argc; i += length) {
        length = DaemonFlagLength(argc, argv, i);
        if (length == 0) return DaemonRequest{}; // explicit modes win
        const char* name = FlagName(argv[i]);
        if (Named(name, "window-id"))
            request = {Kind::Preview, argv[i + 1]};
        else if (Named(name, "root") && request.kind == Kind::None)
            request.kind = Kind::FullScreen;
    }
    return request;
}

std::string CommandLineFromArguments(int argc, const char* const* argv, const char* daemonWindow,
                                     HWND previewBox) {
    const std::string line = Quoted(argc > 0 && argv[0] ? argv[0] : "lumaris");
    switch (DaemonRequestIn(argc, argv, daemonWindow).kind) {
    case Kind::FullScreen:
        return line + " /s";
    case Kind::Preview:
        return line + PreviewMode(previewBox);
    case Kind::None:
        break;
    }
    return line + OtherArguments(argc, argv);
}

int RunProcessEntry(int argc, char** argv, int (*entry)()) {
    const char* daemonWindow = std::getenv("XSCREENSAVER_WINDOW");
    const DaemonRequest request = DaemonRequestIn(argc, argv, daemonWindow);
    // Where the daemon's window cannot be drawn into, full screen takes a window of its own
    // and a preview fails, rather than covering the screen during the daemon's settings.
    HWND previewBox = nullptr;
    if (request.kind == Kind::FullScreen && request.window)
        ShowFullScreenInHostWindow(ParseHostWindowId(request.window));
    else if (request.kind == Kind::Preview)
        previewBox = AdoptHostWindow(ParseHostWindowId(request.window));
    SetCommandLine(CommandLineFromArguments(argc, argv, daemonWindow, previewBox));
    return entry();
}

} // namespace platform
