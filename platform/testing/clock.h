// Test controls of the clocks: the platform's virtual clock, under the names tests use.
#pragma once
#include "platform/kernel32/virtual_clock.h"

namespace platform::testing {

using platform::AdvanceClock;
using platform::UseRealClock;
using platform::UseVirtualClock;

} // namespace platform::testing
