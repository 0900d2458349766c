#include "platform/process_entry.h"

#include <cstdlib>
#include <cstring>

#include "platform/display/sdl_quit_watch.h"

namespace platform {
namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string Argument(const std::string& text) {
    return text.find_first_of(" \t") == std::string::npos && !text.empty() ? text : Quoted(text);
}

enum class DaemonRequest { None, FullScreen, Preview };

// The daemon's flags; other arguments stay as given.
std::string OtherArguments(int argc, const char* const* argv, const char* daemonWindow,
                           DaemonRequest* request) {
    std::string tail;
    *request = daemonWindow && *daemonWindow ? DaemonRequest::FullScreen : DaemonRequest::None;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "-root") == 0) {
            if (*request == DaemonRequest::None) *request = DaemonRequest::FullScreen;
        } else if (std::strcmp(arg, "-window-id") == 0 && i + 1 < argc) {
            *request = DaemonRequest::Preview;
            ++i;
        } else {
            tail += " " + Argument(arg);
        }
    }
    return tail;
}

// The window of a daemon's preview is a foreign one that the display cannot draw into yet:
// the preview then fails, as for a window that does not exist, rather than covering the
// whole screen in the middle of the daemon's settings.
const char* ModeFor(DaemonRequest request) {
    switch (request) {
    case DaemonRequest::FullScreen:
        return " /s";
    case DaemonRequest::Preview:
        return " /p 0";
    case DaemonRequest::None:
        break;
    }
    return "";
}

} // namespace

std::string CommandLineFromArguments(int argc, const char* const* argv, const char* daemonWindow) {
    std::string line = Quoted(argc > 0 && argv[0] ? argv[0] : "lumaris");
    DaemonRequest request = DaemonRequest::None;
    const std::string rest = OtherArguments(argc, argv, daemonWindow, &request);
    return line + (request != DaemonRequest::None && rest.empty() ? ModeFor(request) : rest);
}

int RunProcessEntry(int argc, char** argv, int (*entry)()) {
    SetCommandLine(CommandLineFromArguments(argc, argv, std::getenv("XSCREENSAVER_WINDOW")));
    WatchHostQuitRequests();
    return entry();
}

} // namespace platform
