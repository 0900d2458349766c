// Playback: the ring of buffers, passes, pause and stop.
#include <algorithm>
#include <cstdint>

#include "engine/media/mAudioWAV.h"

LONG mAudioWAV::Play(DWORD duration, DWORD passes) {
    if (media.formatTag != kWaveTag) return 0;
    if (media.playing) {
        if (!media.paused) return 0;
        waveOutRestart(device);
        media.paused = 0;
        return 1;
    }
    if (!format && !ReadFormat(0)) return 0;
    bytesPerPass = duration == 0 ? rates.dataBytes : ToBytes(duration);
    bytesPerPass = std::min(bytesPerPass, DataBytesLeft());
    // Nothing to play would leave the device open with nothing ever coming back.
    if (bytesPerPass == 0) return 0;
    if (!OpenNotifyWindow()) {
        Error(classAudioWAV, errBadProgInst);
        return 0;
    }
    if (waveOutOpen(&device, UINT(media.device), format, DWORD_PTR(notifyWindow), 0,
                    CALLBACK_WINDOW) != MMSYSERR_NOERROR) {
        device = nullptr;
        CloseNotifyWindow();
        return 0;
    }
    if (!BuildRing()) {
        ClosePlayback();
        return 0;
    }
    current = ring;
    passesLeft = LONG(passes);
    passStart = media.playPosition;
    StartPass();
    return 1;
}

// Short sounds get only as many buffers as their data needs.
bool mAudioWAV::BuildRing() {
    mWaveBuffer* last = nullptr;
    for (DWORD i = 1; i <= bufferCount; ++i) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, sizeof(mWaveBuffer) + bufferSize);
        auto* buffer = block ? static_cast<mWaveBuffer*>(GlobalLock(block)) : nullptr;
        if (!buffer) {
            if (block) GlobalFree(block);
            if (last) last->next = ring; // closed, so that FreeRing finds its way round
            return false;
        }
        *buffer = mWaveBuffer{};
        buffer->block = block;
        buffer->header.lpData = reinterpret_cast<LPSTR>(buffer->Data());
        buffer->header.dwBufferLength = bufferSize;
        buffer->header.dwUser = reinterpret_cast<DWORD_PTR>(this);
        buffer->header.dwFlags = WHDR_DONE;
        (last ? last->next : ring) = buffer;
        last = buffer;
        if (uint64_t(i) * bufferSize >= bytesPerPass) break;
    }
    last->next = ring;
    return true;
}

void mAudioWAV::FreeRing() {
    mWaveBuffer* buffer = ring;
    while (buffer) {
        mWaveBuffer* next = buffer->next == ring ? nullptr : buffer->next;
        HGLOBAL block = buffer->block;
        GlobalUnlock(block);
        GlobalFree(block);
        buffer = next;
    }
    ring = current = nullptr;
}

LONG mAudioWAV::StartPass() {
    bytesLeft = bytesPerPass;
    media.playPosition = passStart;
    PositionStream();
    if (autoQueue) {
        QueueBuffer(0);
        QueueBuffer(0);
    }
    media.playing = 1;
    return 1;
}

void mAudioWAV::PositionStream() {
    StreamState* stream = State();
    LONG here = stream->bufferOffset + LONG(stream->current - stream->bufferStart);
    if (dataStart != 0) {
        LONG wanted = LONG(dataStart + passStart);
        if (here != wanted) Seek(wanted, 0);
    } else if (passStart != 0) {
        Seek(LONG(passStart), 1);
    }
}

LONG mAudioWAV::QueueBuffer(DWORD maximum) {
    if (bytesLeft == 0) return 0;
    mWaveBuffer* next = current->next;
    if (!(next->header.dwFlags & WHDR_DONE)) return 1; // the device still holds it
    current = next;
    DWORD n = (maximum != 0 && maximum <= bufferSize) ? maximum : bufferSize;
    n = std::min(n, bytesLeft);
    bytesLeft -= n;
    WAVEHDR& header = next->header;
    header.dwBufferLength = FillBuffer(*next, n);
    header.dwFlags = 0;
    waveOutPrepareHeader(device, &header, sizeof header);
    waveOutWrite(device, &header, sizeof header);
    if (bytesLeft == 0 && --passesLeft != 0) {
        // Below 0 the repetition is endless.
        passesLeft = std::max<LONG>(passesLeft, 0);
        StartPass();
    }
    return 0;
}

// Straight from the file into the buffer's data; a memory stream is copied from.
DWORD mAudioWAV::FillBuffer(mWaveBuffer& buffer, DWORD n) {
    StreamState* stream = State();
    if (stream->memory) {
        LONG read = Read(buffer.Data(), LONG(n));
        return read > 0 ? DWORD(read) : 0;
    }
    SetBuffer(buffer.Data(), LONG(n), 0);
    if (!Refill(nullptr)) return 0;
    DWORD read = DWORD(stream->dataEnd - stream->current);
    // Taken: the next buffer continues after these bytes instead of reading them again.
    stream->current = stream->dataEnd;
    stream->position += LONG(read);
    return read;
}

void mAudioWAV::BufferDone(HWAVEOUT from, WAVEHDR* header) {
    if (from != device) {
        ClosePlayback();
        return;
    }
    media.playPosition += header->dwBufferLength;
    if (bytesLeft == 0 && header == &current->header) {
        ClosePlayback(); // the last buffer queued has come back
    } else if (autoQueue) {
        QueueBuffer(0);
    }
}

// The device is reset before it is closed: a close is refused while it holds buffers, and
// the ring they live in is freed next.
void mAudioWAV::ClosePlayback() {
    if (device) {
        waveOutReset(device);
        waveOutClose(device);
        device = nullptr;
    }
    CloseNotifyWindow();
    FreeRing();
    SetBuffer(nullptr, 0, 0);
    media.playing = 0;
    media.paused = 0;
    media.playPosition = 0;
    if (releasePending) {
        releasePending = FALSE;
        ReleaseFormat();
    }
}

LONG mAudioWAV::Pause() {
    if (!media.playing) return 0;
    if (media.paused) return 1;
    if (waveOutPause(device) != MMSYSERR_NOERROR) return 0;
    media.paused = 1;
    return 1;
}

LONG mAudioWAV::Stop() {
    if (media.playing) {
        waveOutReset(device);
        ClosePlayback();
    }
    return 1;
}
