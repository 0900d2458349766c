// Preparing, writing and unpreparing wave headers. The flags say where a header is:
// WHDR_PREPARED until unprepared, WHDR_INQUEUE from the write until the device returns it
// with WHDR_DONE.
#include "platform/winmm/wave_out_handles.h"

using namespace platform;

namespace {

MMRESULT CheckHeader(HWAVEOUT hwo, const WAVEHDR* header, UINT size) {
    if (!FindWaveOut(hwo)) return MMSYSERR_INVALHANDLE;
    if (!header || size < sizeof(WAVEHDR)) return MMSYSERR_INVALPARAM;
    if (header->dwFlags & WHDR_INQUEUE) return WAVERR_STILLPLAYING;
    return MMSYSERR_NOERROR;
}

} // namespace

MMRESULT WINAPI waveOutPrepareHeader(HWAVEOUT hwo, LPWAVEHDR pwh, UINT cbwh) {
    if (MMRESULT result = CheckHeader(hwo, pwh, cbwh)) return result;
    if (!pwh->lpData && pwh->dwBufferLength) return MMSYSERR_INVALPARAM;
    pwh->dwFlags |= WHDR_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI waveOutUnprepareHeader(HWAVEOUT hwo, LPWAVEHDR pwh, UINT cbwh) {
    if (MMRESULT result = CheckHeader(hwo, pwh, cbwh)) return result;
    pwh->dwFlags &= ~DWORD(WHDR_PREPARED);
    return MMSYSERR_NOERROR;
}

// Loops (WHDR_BEGINLOOP, WHDR_ENDLOOP) are not offered: each header plays once.
MMRESULT WINAPI waveOutWrite(HWAVEOUT hwo, LPWAVEHDR pwh, UINT cbwh) {
    if (MMRESULT result = CheckHeader(hwo, pwh, cbwh)) return result;
    if (!(pwh->dwFlags & WHDR_PREPARED)) return WAVERR_UNPREPARED;
    pwh->dwFlags = (pwh->dwFlags & ~DWORD(WHDR_DONE)) | WHDR_INQUEUE;
    pwh->lpNext = nullptr;
    WaveOut* waveOut = FindWaveOut(hwo);
    ++waveOut->held;
    waveOut->stream->Queue(pwh);
    return MMSYSERR_NOERROR;
}
