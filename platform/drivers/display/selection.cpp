// Picks the backend once, at first use.
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/drivers/display/headless/headless_backend.h"
#include "platform/drivers/display/sdl/backend.h"

namespace platform {
namespace {

bool HostDisplayReachable() {
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

std::unique_ptr<DisplayBackend> ChooseBackend() {
    const char* wanted = std::getenv("LUMARIS_DISPLAY");
    bool headless = wanted && std::strcmp(wanted, "headless") == 0;
    bool sdl = wanted ? std::strcmp(wanted, "sdl") == 0 : HostDisplayReachable();
    if (!headless && sdl) {
        if (auto backend = MakeSdlBackend()) return backend;
    }
    return std::make_unique<HeadlessBackend>();
}

} // namespace

DisplayBackend& Display() {
    static std::unique_ptr<DisplayBackend> backend = ChooseBackend();
    return *backend;
}

} // namespace platform
