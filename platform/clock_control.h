// Lets other parts of the platform know when time is virtual (they then wait with Sleep).
#pragma once

namespace platform {

bool ClockIsVirtual();

} // namespace platform
