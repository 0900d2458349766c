// The system-wide parameters as the platform keeps them.
#pragma once

namespace platform {

// The flag SPI_SETSCREENSAVERRUNNING last set.
bool SaverRunningFlag();

} // namespace platform
