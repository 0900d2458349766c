// Pausing, restarting and resetting a wave-out handle, and the device volume.
#include "platform/winmm/wave_out_handles.h"

using namespace platform;

MMRESULT WINAPI waveOutPause(HWAVEOUT hwo) {
    WaveOut* waveOut = FindWaveOut(hwo);
    if (!waveOut) return MMSYSERR_INVALHANDLE;
    waveOut->stream->Pause();
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI waveOutRestart(HWAVEOUT hwo) {
    WaveOut* waveOut = FindWaveOut(hwo);
    if (!waveOut) return MMSYSERR_INVALHANDLE;
    waveOut->stream->Restart();
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI waveOutReset(HWAVEOUT hwo) {
    WaveOut* waveOut = FindWaveOut(hwo);
    if (!waveOut) return MMSYSERR_INVALHANDLE;
    ReturnHeaders(hwo, waveOut->stream->Reset());
    return MMSYSERR_NOERROR;
}

namespace {

// An open handle or a device id (0) stands for the one device.
MMRESULT CheckVolumeTarget(HWAVEOUT target) {
    if (FindWaveOut(target)) return MMSYSERR_NOERROR;
    return UINT_PTR(target) < Audio().DeviceCount() ? MMSYSERR_NOERROR : MMSYSERR_BADDEVICEID;
}

} // namespace

MMRESULT WINAPI waveOutGetVolume(HWAVEOUT hwo, LPDWORD pdwVolume) {
    if (MMRESULT result = CheckVolumeTarget(hwo)) return result;
    if (!pdwVolume) return MMSYSERR_INVALPARAM;
    *pdwVolume = Audio().volume.load();
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI waveOutSetVolume(HWAVEOUT hwo, DWORD dwVolume) {
    if (MMRESULT result = CheckVolumeTarget(hwo)) return result;
    Audio().volume.store(dwVolume);
    return MMSYSERR_NOERROR;
}
