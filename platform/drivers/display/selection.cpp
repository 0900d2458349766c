// Picks the backend once, at first use.
#include <cstdlib>
#include <memory>

#include "platform/drivers/display/headless/headless_backend.h"
#include "platform/drivers/display/sdl/backend.h"
#include "platform/drivers/environment_choice.h"

namespace platform {
namespace {

bool HostDisplayReachable() {
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

} // namespace

bool SdlDisplayWanted() {
    return EnvironmentChooses("LUMARIS_DISPLAY", "sdl", "headless", HostDisplayReachable());
}

namespace {

std::unique_ptr<DisplayBackend> ChooseBackend() {
    if (SdlDisplayWanted()) {
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
