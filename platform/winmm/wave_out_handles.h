// The open wave-out handles. Each has its device stream, the window its messages go to and
// the headers it holds. Completions are collected on the owning thread when it looks for
// messages, and each comes back as its header marked done with MM_WOM_DONE posted.
#pragma once
#include <memory>

#include "platform/drivers/audio/backend.h"

namespace platform {

struct WaveOut {
    std::unique_ptr<WaveStream> stream;
    HWND window = nullptr; // null with CALLBACK_NULL
    size_t held = 0;       // headers written and not yet returned
};

HWAVEOUT AddWaveOut(WaveOut waveOut);
// Null for a handle that is not open.
WaveOut* FindWaveOut(HWAVEOUT handle);
void RemoveWaveOut(HWAVEOUT handle);

// Returns each header: done, out of the queue, MM_WOM_DONE posted.
void ReturnHeaders(HWAVEOUT handle, const std::vector<WAVEHDR*>& headers);
// Returns what the device has finished.
void ReturnDoneHeaders(HWAVEOUT handle);

} // namespace platform
