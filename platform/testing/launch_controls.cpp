// The test controls of platform/testing/launches.h.
#include "platform/shell32/launcher.h"
#include "platform/testing/launches.h"

namespace platform::testing {
namespace {

std::vector<std::vector<std::string>> launches;

bool Record(const std::vector<std::string>& arguments) {
    launches.push_back(arguments);
    return true;
}

// Recording starts with the program, so no test ever starts a real process.
const bool recording = (SetProgramLauncher(Record), true);

} // namespace

std::vector<std::vector<std::string>> TakeLaunches() {
    std::vector<std::vector<std::string>> taken;
    taken.swap(launches);
    return taken;
}

} // namespace platform::testing
