#include "platform/winmm/wave_out_handles.h"

#include <map>

#include "platform/user32/message/sources.h"

namespace platform {
namespace {

// Handles are not small integers: the volume calls take a device id in their place.
constexpr UINT_PTR kFirstHandle = 0x5700;

class WaveOutTable : public MessageSource {
public:
    std::map<HWAVEOUT, WaveOut> open;
    UINT_PTR nextHandle = kFirstHandle;

    void PostDue() override {
        for (auto& [handle, waveOut] : open)
            ReturnHeaders(handle, waveOut.stream->TakeDone());
    }

    std::optional<DWORD> TimeToNextPost() override {
        std::optional<DWORD> soonest;
        for (auto& [handle, waveOut] : open) {
            auto wait = waveOut.stream->TimeToNextDone();
            if (wait && (!soonest || *wait < *soonest)) soonest = wait;
        }
        return soonest;
    }
};

WaveOutTable& Table() {
    static WaveOutTable table;
    return table;
}

} // namespace

HWAVEOUT AddWaveOut(WaveOut waveOut) {
    WaveOutTable& table = Table();
    if (table.open.empty()) AddMessageSource(&table);
    auto handle = reinterpret_cast<HWAVEOUT>(table.nextHandle++);
    table.open.emplace(handle, std::move(waveOut));
    return handle;
}

WaveOut* FindWaveOut(HWAVEOUT handle) {
    auto found = Table().open.find(handle);
    return found == Table().open.end() ? nullptr : &found->second;
}

void RemoveWaveOut(HWAVEOUT handle) {
    WaveOutTable& table = Table();
    table.open.erase(handle);
    if (table.open.empty()) RemoveMessageSource(&table);
}

void ReturnHeaders(HWAVEOUT handle, const std::vector<WAVEHDR*>& headers) {
    WaveOut* waveOut = FindWaveOut(handle);
    if (!waveOut) return;
    for (WAVEHDR* header : headers) {
        header->dwFlags = (header->dwFlags & ~DWORD(WHDR_INQUEUE)) | WHDR_DONE;
        --waveOut->held;
        if (waveOut->window)
            PostMessageA(waveOut->window, MM_WOM_DONE, WPARAM(handle), LPARAM(header));
    }
}

void ReturnDoneHeaders(HWAVEOUT handle) {
    if (WaveOut* waveOut = FindWaveOut(handle)) ReturnHeaders(handle, waveOut->stream->TakeDone());
}

} // namespace platform
