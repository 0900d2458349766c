// SIGTERM and SIGINT as close requests on every display: the program ends the way it ends on
// a key press (scene torn down, hue stored, exit code 0) instead of being killed mid-frame.
#pragma once

namespace platform {

// Installs the handlers (they only raise a flag, the one thing safe to do in a handler) and
// unblocks the signals, so one already waiting is heard now. The process entry calls this
// before anything else.
void WatchTerminationSignals();

// A raised flag becomes a close request to every shown top-level window. Message retrieval
// calls this every time it looks for messages.
void DeliverTerminationRequests();

} // namespace platform
