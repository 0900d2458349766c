#include <cstdio>
#include <cstring>

#include "platform/host/posix/process_entry.h"
#include "platform/host/posix/saver_instance.h"
#include "platform/host/posix/termination_signals.h"
#include "shell/CommandLine.h"
#include "shell/ShellEntry.h"
#include "shell/entry/Recording.h"
#include "shell/entry/SettingOptions.h"
#include "shell/entry/Usage.h"

namespace {

// As for any command line the shell does not understand.
constexpr int kInvalidCommandLine = -1;

bool Given(int argc, char** argv, const char* option) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0) return true;
    return false;
}

// The shell's entry, with what only a host without Win32 needs around it.
int HostEntry() {
    const LPCSTR tail = CommandLineTail(GetCommandLineA());
    const SaverMode mode = ChooseMode(tail).mode;
    if (mode == SaverMode::Invalid) PrintUnknownArgumentHint(tail);
    // One full-screen saver at a time across processes, as the window search gives on Windows.
    if (mode == SaverMode::FullScreen && !platform::ClaimSaverInstance()) return 0;
    return ShellProcessEntry();
}

} // namespace

int main(int argc, char** argv) {
    // Before anything else: from here on a termination request ends the run as a close does.
    platform::WatchTerminationSignals();
    if (Given(argc, argv, "--help")) {
        PrintUsage(stdout);
        return 0;
    }
    if (Given(argc, argv, "--version")) {
        PrintVersion(stdout);
        return 0;
    }
    TakenOptions taken = TakeSettingOptions(argc, argv);
    if (!taken.error.empty()) {
        std::fprintf(stderr, "%s\n", taken.error.c_str());
        return kInvalidCommandLine;
    }
    const int count = int(taken.rest.size()) - 1;
    char** arguments = taken.rest.data();
    if (count > 1 && std::strcmp(arguments[1], "--record") == 0)
        return RunRecording(count, arguments);
    return platform::RunProcessEntry(count, arguments, HostEntry);
}
