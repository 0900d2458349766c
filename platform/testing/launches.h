// Test controls of ShellExecuteA and ShellExecuteExA: what they would start is recorded and
// nothing is started, from the program's start on.
#pragma once
#include <string>
#include <vector>

namespace platform::testing {

// The programs with their arguments (program first) since the last take, oldest first.
std::vector<std::vector<std::string>> TakeLaunches();

} // namespace platform::testing
