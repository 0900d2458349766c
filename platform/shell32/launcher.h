// Who starts what ShellExecute opens: the host's detached starter, or a test's recorder.
#pragma once
#include <string>
#include <vector>

namespace platform {

// Starts the program with its arguments (program first) without waiting for it; false when
// it could not be started.
typedef bool (*ProgramLauncher)(const std::vector<std::string>& arguments);
// Null restores the host's starter.
void SetProgramLauncher(ProgramLauncher launcher);
bool LaunchProgram(const std::vector<std::string>& arguments);

} // namespace platform
