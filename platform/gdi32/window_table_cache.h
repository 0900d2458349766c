// The window table of the last copy, kept until what it is built from changes: the stage
// presents dozens of areas a frame from one colour table through one palette.
#pragma once
#include "platform/gdi32/colour_translation.h"

namespace platform::gdi {

// The table BuildWindowTable would give. Built into scratch when it cannot be kept (a
// palette that is not realised follows the system palette's current state).
const WindowTable& WindowTableFor(const DeviceContext& dc, const RGBQUAD* colours, UINT count,
                                  WindowTable* scratch);

} // namespace platform::gdi
