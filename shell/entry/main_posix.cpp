#include <cstring>

#include "platform/host/posix/process_entry.h"
#include "shell/ShellEntry.h"
#include "shell/entry/Recording.h"

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--record") == 0) return RunRecording(argc, argv);
    return platform::RunProcessEntry(argc, argv, ShellProcessEntry);
}
