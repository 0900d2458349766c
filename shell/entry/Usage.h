// What --help and --version print, and the hint for an argument the program does not know.
#pragma once
#include <cstdio>

void PrintUsage(std::FILE* out);
void PrintVersion(std::FILE* out);
// One line naming the first argument of the command-line tail and where help is.
void PrintUnknownArgumentHint(const char* tail);
