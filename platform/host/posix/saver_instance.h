// One full-screen saver at a time across processes. On Windows the first saver's window is
// found by its class and title from any process; here every process has its own windows, so
// a lock file stands in for that search.
#pragma once
#include <string>

namespace platform {

// The lock file: $XDG_RUNTIME_DIR/lumaris-saver.lock, else saver.lock beside the settings
// file; empty when neither can be worked out.
std::string SaverLockPath();

// True when this process is now the one full-screen saver (or the lock cannot be made: a
// saver that never starts is worse than two). A lock held elsewhere is tried again for half a
// second, for a saver that is being ended. The lock stays held until the process ends (the
// kernel releases it however the process ended) or is asked to end.
bool ClaimSaverInstance();

// Gives the claim up: a saver asked to end is no longer the one that runs. Safe in a signal
// handler.
void ReleaseSaverInstance();

} // namespace platform
