// Picks the backend once, at first use.
#include <cstdio>
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

} // namespace

bool SdlDisplayWanted() {
    const char* wanted = std::getenv("LUMARIS_DISPLAY");
    if (wanted && std::strcmp(wanted, "sdl") == 0) return true;
    if (wanted && std::strcmp(wanted, "headless") == 0) return false;
    const bool reachable = HostDisplayReachable();
    if (wanted && *wanted)
        std::fprintf(stderr,
                     "lumaris: LUMARIS_DISPLAY \"%s\" is neither sdl nor headless; using %s\n",
                     wanted, reachable ? "sdl" : "headless");
    return reachable;
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
