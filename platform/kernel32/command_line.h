// The process's command line, as the process entry hands it over.
#pragma once
#include <string>

namespace platform {

// What GetCommandLineA returns from now on.
void SetCommandLine(const std::string& line);

} // namespace platform
