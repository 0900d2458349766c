// Termination signals as close requests on the SDL display. SDL turns SIGTERM and SIGINT into
// a quit event when its events are next pumped (which every message retrieval does); the
// watch turns that event into a close request to every shown top-level window, so the program
// ends the way it ends on a key press: scene torn down, hue stored, exit code 0. The headless
// display pumps no host events, so there the signals keep their default meaning.
#pragma once

namespace platform {

void WatchHostQuitRequests();

} // namespace platform
