#include "platform/display/sdl_backend.h"

namespace platform {

std::unique_ptr<DisplayBackend> MakeSdlBackend() {
    return nullptr;
}

} // namespace platform
