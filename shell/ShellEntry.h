// The program's entry once the process is set up: the command-line tail decides the mode.
#pragma once

// The exit code.
int ShellProcessEntry();
