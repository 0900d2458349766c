// Wave-out devices, opening and closing. There is one device (id 0, also reached through
// WAVE_MAPPER), or none where the host has no sound output.
#include <algorithm>
#include <cstring>

#include "platform/winmm/wave_format_check.h"
#include "platform/winmm/wave_out_handles.h"

using namespace platform;

namespace {

bool IsDeviceId(UINT_PTR id) {
    return id == 0 || id == WAVE_MAPPER || id == UINT_PTR(-1);
}

// Only windows receive messages here; a callback function or task would be called on
// another thread on Windows, which the engine never asks for.
MMRESULT NotifyWindow(DWORD_PTR callback, DWORD flags, HWND* window) {
    DWORD type = flags & CALLBACK_TYPEMASK;
    if (type == CALLBACK_NULL) return MMSYSERR_NOERROR;
    if (type != CALLBACK_WINDOW) return MMSYSERR_NOTSUPPORTED;
    *window = reinterpret_cast<HWND>(callback);
    return !*window || IsWindow(*window) ? MMSYSERR_NOERROR : MMSYSERR_INVALPARAM;
}

} // namespace

UINT WINAPI waveOutGetNumDevs(void) {
    return Audio().DeviceCount();
}

MMRESULT WINAPI waveOutGetDevCapsA(UINT_PTR uDeviceID, LPWAVEOUTCAPSA pwoc, UINT cbwoc) {
    if (!pwoc) return MMSYSERR_INVALPARAM;
    bool handle = FindWaveOut(reinterpret_cast<HWAVEOUT>(uDeviceID)) != nullptr;
    if (!handle && (!IsDeviceId(uDeviceID) || Audio().DeviceCount() == 0))
        return MMSYSERR_BADDEVICEID;
    WAVEOUTCAPSA caps = Audio().Capabilities();
    std::memcpy(pwoc, &caps, std::min<size_t>(cbwoc, sizeof caps));
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI waveOutOpen(LPHWAVEOUT phwo, UINT uDeviceID, LPCWAVEFORMATEX pwfx,
                            DWORD_PTR dwCallback, DWORD_PTR, DWORD fdwOpen) {
    if (!pwfx) return MMSYSERR_INVALPARAM;
    if (Audio().DeviceCount() == 0) return MMSYSERR_NODRIVER;
    if (!IsDeviceId(uDeviceID)) return MMSYSERR_BADDEVICEID;
    if (!IsPlayableFormat(*pwfx)) return WAVERR_BADFORMAT;
    if (fdwOpen & WAVE_FORMAT_QUERY) return MMSYSERR_NOERROR;
    if (!phwo) return MMSYSERR_INVALPARAM;
    HWND window = nullptr;
    if (MMRESULT result = NotifyWindow(dwCallback, fdwOpen, &window)) return result;
    WaveOut waveOut;
    waveOut.stream = Audio().Open(*pwfx);
    if (!waveOut.stream) return MMSYSERR_ALLOCATED;
    waveOut.window = window;
    *phwo = AddWaveOut(std::move(waveOut));
    if (window) PostMessageA(window, MM_WOM_OPEN, WPARAM(*phwo), 0);
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI waveOutClose(HWAVEOUT hwo) {
    WaveOut* waveOut = FindWaveOut(hwo);
    if (!waveOut) return MMSYSERR_INVALHANDLE;
    ReturnDoneHeaders(hwo);
    if (waveOut->held > 0) return WAVERR_STILLPLAYING;
    HWND window = waveOut->window;
    RemoveWaveOut(hwo);
    if (window) PostMessageA(window, MM_WOM_CLOSE, WPARAM(hwo), 0);
    return MMSYSERR_NOERROR;
}
