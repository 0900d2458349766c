#include "shell/ShellEntry.h"

#include "shell/CommandLine.h"

int ShellProcessEntry() {
    return DispatchCommandLine(GetModuleHandleA(nullptr), CommandLineTail(GetCommandLineA()));
}
