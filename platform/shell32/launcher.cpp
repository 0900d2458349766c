#include "platform/shell32/launcher.h"

#include "platform/host/posix/detached_process.h"

namespace platform {
namespace {

ProgramLauncher installed = nullptr;

} // namespace

void SetProgramLauncher(ProgramLauncher launcher) {
    installed = launcher;
}

bool LaunchProgram(const std::vector<std::string>& arguments) {
    return installed ? installed(arguments) : StartDetached(arguments);
}

} // namespace platform
