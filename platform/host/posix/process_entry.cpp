#include "platform/host/posix/process_entry.h"

#include <cstdlib>
#include <cstring>

#include "platform/host/posix/daemon_windows.h"
#include "platform/host/posix/termination_signals.h"
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

// "-window-id" takes the next argument; alone at the end it is an ordinary argument.
bool IsWindowIdFlag(int argc, const char* const* argv, int i) {
    return std::strcmp(argv[i], "-window-id") == 0 && i + 1 < argc;
}

bool IsDaemonFlag(int argc, const char* const* argv, int i) {
    return std::strcmp(argv[i], "-root") == 0 || IsWindowIdFlag(argc, argv, i);
}

// The arguments other than the daemon's flags, as given.
std::string OtherArguments(int argc, const char* const* argv) {
    std::string tail;
    for (int i = 1; i < argc; ++i) {
        if (!IsDaemonFlag(argc, argv, i))
            tail += " " + Argument(argv[i]);
        else if (IsWindowIdFlag(argc, argv, i))
            ++i;
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
    for (int i = 1; i < argc; ++i) {
        if (!IsDaemonFlag(argc, argv, i)) return DaemonRequest{}; // explicit modes win
        if (IsWindowIdFlag(argc, argv, i)) {
            request = {Kind::Preview, argv[++i]};
        } else if (request.kind == Kind::None) {
            request.kind = Kind::FullScreen;
        }
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
    WatchTerminationSignals();
    return entry();
}

} // namespace platform
