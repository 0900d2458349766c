#include "shell/ShellState.h"

#include "shell/PasswordHooks.h"

ShellState shellState;

void ResetShellState() {
    shellState = ShellState{};
    ResetPasswordHooks();
}
