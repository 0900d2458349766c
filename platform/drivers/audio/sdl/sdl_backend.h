// The host's sound output through SDL's audio: one SDL device per open handle, fed from the
// queued headers in SDL's audio callback on SDL's own thread.
#pragma once
#include <memory>

#include "platform/drivers/audio/backend.h"

namespace platform {

// Null when SDL's audio cannot start or finds no output device at all.
std::unique_ptr<AudioBackend> MakeSdlAudioBackend();

} // namespace platform
