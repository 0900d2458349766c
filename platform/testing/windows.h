// Test controls of the window manager.
#pragma once
#include <cstddef>

namespace platform::testing {

// Destroys every window (without delivering messages), empties the message queue, kills
// every timer, forgets the registered classes and resets cursor, capture, focus and
// keyboard state, so each test starts clean.
void ResetWindows();

// Number of messages waiting in the queue (posted ones, the quit request included).
std::size_t PostedMessageCount();

} // namespace platform::testing
