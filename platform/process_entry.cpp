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

// The daemon's flags as the mode letters they stand for; other arguments stay as given.
// A window the daemon names is not ours to draw a preview box in; the saver runs full screen.
std::string DaemonArguments(int argc, const char* const* argv, const char* daemonWindow,
                            bool* daemonMode) {
    std::string tail;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "-root") == 0) {
            *daemonMode = true;
        } else if (std::strcmp(arg, "-window-id") == 0 && i + 1 < argc) {
            *daemonMode = true;
            ++i;
        } else {
            tail += " " + Argument(arg);
        }
    }
    if (daemonWindow && *daemonWindow) *daemonMode = true;
    return tail;
}

} // namespace

std::string CommandLineFromArguments(int argc, const char* const* argv, const char* daemonWindow) {
    std::string line = Quoted(argc > 0 && argv[0] ? argv[0] : "lumaris");
    bool daemonMode = false;
    const std::string rest = DaemonArguments(argc, argv, daemonWindow, &daemonMode);
    return line + (daemonMode && rest.empty() ? " /s" : rest);
}

int RunProcessEntry(int argc, char** argv, int (*entry)()) {
    SetCommandLine(CommandLineFromArguments(argc, argv, std::getenv("XSCREENSAVER_WINDOW")));
    WatchHostQuitRequests();
    return entry();
}

} // namespace platform
