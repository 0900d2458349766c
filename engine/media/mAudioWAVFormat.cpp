// Loading and releasing the wave format: from a RIFF "WAVE" form, or a bare format.
#include <algorithm>

#include "engine/media/WaveFormat.h"
#include "engine/media/mAudioWAV.h"

namespace {

constexpr FOURCC kFormatChunk = mmioFOURCC('f', 'm', 't', ' ');
constexpr FOURCC kDataChunk = mmioFOURCC('d', 'a', 't', 'a');
constexpr DWORD kBareFormatSize = 16;
constexpr DWORD kUnknownLength = 0xFFFFFFFF;

} // namespace

LONG mAudioWAV::ReadFormat(DWORD bytes) {
    if (!State()->open) return 0;
    FreeFormat();
    if (DescendRiff(kWaveTag)) {
        if (!ReadRiffFormat()) return 0;
    } else if (!LoadFormatBlock(bytes ? bytes : kBareFormatSize)) {
        return 0;
    } else {
        dataStart = 0;
        rates.dataBytes = kUnknownLength;
        TakeRates();
        rates.lengthUnits = rates.lengthMs = 0;
    }
    media.playPosition = 0;
    return 1;
}

bool mAudioWAV::ReadRiffFormat() {
    if (!FindChunk(kFormatChunk) || !LoadFormatBlock(DWORD(State()->lastChunkSize))) return false;
    SkipToChunkEnd();
    if (!FindChunk(kDataChunk)) {
        FreeFormat();
        return false;
    }
    StreamState* stream = State();
    dataStart = DWORD(stream->bufferOffset + LONG(stream->current - stream->bufferStart));
    // A data chunk claiming more than the file holds plays what is there, and says so in
    // its lengths.
    DWORD held = DWORD(stream->size) > dataStart ? DWORD(stream->size) - dataStart : 0;
    rates.dataBytes = std::min(DWORD(stream->lastChunkSize), held);
    TakeRates();
    rates.lengthUnits = BytesToUnits(rates.dataBytes);
    rates.lengthMs = UnitsToMs(rates.lengthUnits);
    return true;
}

bool mAudioWAV::LoadFormatBlock(DWORD size) {
    DWORD kept = WaveFormatBlockSize(size);
    formatBlock = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kept);
    format = formatBlock ? static_cast<WAVEFORMATEX*>(GlobalLock(formatBlock)) : nullptr;
    if (!format) {
        FreeFormat();
        Error(classAudioWAV, errOutOfMemory);
        return false;
    }
    Read(format, LONG(std::min(size, kept)));
    return true;
}

void mAudioWAV::TakeRates() {
    WAVEFORMATEX fields = ReadWaveFormat(reinterpret_cast<const BYTE*>(format), sizeof *format);
    rates.rate = fields.nSamplesPerSec;
    rates.bitsPerUnit = fields.wBitsPerSample;
    rates.channels = fields.nChannels;
}

void mAudioWAV::FreeFormat() {
    if (formatBlock) {
        GlobalUnlock(formatBlock);
        GlobalFree(formatBlock);
    }
    formatBlock = nullptr;
    format = nullptr;
}

void mAudioWAV::ReleaseFormat() {
    if (media.paused) Stop();
    if (media.playing) {
        releasePending = TRUE;
        return;
    }
    FreeFormat();
    Close();
}
