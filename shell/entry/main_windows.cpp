// The Windows program: the system has set up the process and its command line already.
#include "platform/win32.h"
#include "shell/ShellEntry.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return ShellProcessEntry();
}
