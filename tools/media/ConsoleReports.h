// The engine reports failures in message boxes; on the command line they go to stderr.
#pragma once

void InstallConsoleReports();

// Prints "lumaris-media: <what>: <file>" to stderr.
void PrintFailure(const char* what, const char* file);
