// Time that moves only when told to: what tests and the recording mode run on. While the
// clock is virtual, GetTickCount and timeGetTime read it and Sleep(n) advances it by n and
// returns at once, so other parts of the platform wait with Sleep instead of blocking.
#pragma once
#include "platform/include/windef.h"

namespace platform {

void UseVirtualClock(DWORD start);
// Moves the virtual clock on by `milliseconds` (wrapping at 2^32).
void AdvanceClock(DWORD milliseconds);
// Back to the host's clock.
void UseRealClock();
bool ClockIsVirtual();

} // namespace platform
