// The commands of lumaris-media; each returns the process exit code (0 success, 1 a file
// that cannot be read or decoded, 2 a usage error).
#pragma once

int RunInfo(const char* file);
int RunFrames(const char* file, const char* directory);
int RunDecode(const char* file);
int RunPlay(int argc, char** argv); // arguments after "play"

// Wave sounds (by the .wav extension) go to these from info and play.
bool IsWaveFile(const char* file);
int RunWaveInfo(const char* file);
int RunWavePlay(const char* file, bool headless);
