// The host display through SDL: one SDL window per shown top-level window.
#pragma once
#include <memory>

#include "platform/drivers/display/backend.h"

namespace platform {

// Null when SDL video cannot start.
std::unique_ptr<DisplayBackend> MakeSdlBackend();

} // namespace platform
