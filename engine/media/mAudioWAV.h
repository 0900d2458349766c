// Wave sound played through the platform's wave-out service. The format and data come from
// the object's own stream: a RIFF "WAVE" file, or (for the AVI image) a bare format whose
// data the derived class feeds in. The data streams to the device through a small ring of
// fixed-size buffers refilled as the device returns them; a hidden window receives the
// device's buffer-done messages, so playback advances inside the owner's message loop.
#pragma once

#include "engine/core/mObject.h"
#include "engine/media/mFile.h"
#include "engine/media/mMedia.h"

// The value of the media record's format tag once an output device exists.
constexpr DWORD kWaveTag = mmioFOURCC('W', 'A', 'V', 'E');

// One buffer of the ring: the head of a locked global block whose data follows it.
struct mWaveBuffer {
    mWaveBuffer* next;
    HGLOBAL block;
    WAVEHDR header;

    BYTE* Data() { return reinterpret_cast<BYTE*>(this + 1); }
};

class mAudioWAV : public virtual mObject, public virtual mFile, public virtual mMedia {
public:
    mAudioWAV();
    ~mAudioWAV() override;

    // The refill step: queues the next free buffer with up to `maximum` bytes (0: a whole
    // buffer) of the current pass. 1 when the device still holds that buffer, else 0.
    virtual LONG QueueBuffer(DWORD maximum);

    // Loads the format and finds the data; `bytes` is the size of a bare format (0: 16).
    LONG ReadFormat(DWORD bytes) override;
    LONG WriteFormat(DWORD bytes) override;
    LONG MovePlayPosition(LONG n, LONG whence) override;
    // passes 1 plays once; 0 (or less) repeats until Stop. Resumes when paused.
    LONG Play(DWORD duration, DWORD passes) override;
    LONG Pause() override;
    LONG Stop() override;
    LONG SetVolume(DWORD left, DWORD right) override;
    LONG ReadData(LPVOID destination, LONG count) override;
    LONG WriteData(LPCVOID source, LONG count) override;
    LONG SetPlayPosition(LONG n) override;

    // Buffer size = ToBytes(duration) rounded up to a multiple of 4; count buffers at most.
    void SetBuffering(DWORD duration, DWORD count);

    // The loaded format, or null.
    const WAVEFORMATEX* Format() const { return format; }

protected:
    // Starts (again) the pass at passStart: positions the stream, queues two buffers.
    LONG StartPass();
    // Closes the device and the notify window, frees the ring; the format stays unless its
    // release is pending.
    void ClosePlayback();
    // Frees the format and closes the stream, or only marks that for when playback closes.
    void ReleaseFormat();

    HWAVEOUT device = nullptr;
    HWND notifyWindow = nullptr;
    DWORD bufferSize = 16384;
    DWORD bufferCount = 2;
    DWORD bytesLeft = 0;
    DWORD dataStart = 0; // stream offset of the first sound byte, 0 for a bare format
    BOOL releasePending = FALSE;
    BOOL autoQueue = TRUE;
    LONG passesLeft = 0; // 1: the last; 0 or less: endless
    DWORD bytesPerPass = 0;
    DWORD passStart = 0;
    HGLOBAL formatBlock = nullptr;
    WAVEFORMATEX* format = nullptr;
    mWaveBuffer* ring = nullptr;
    mWaveBuffer* current = nullptr; // the buffer queued last

private:
    void ReadDeviceCapabilities();
    void ReadDeviceVolume();
    void FreeFormat();
    // Reads the format into a new block; false (reported when out of memory) otherwise.
    bool LoadFormatBlock(DWORD size);
    bool ReadRiffFormat();
    void ReadBareFormat(DWORD bytes);
    void TakeRates();
    DWORD DataBytesLeft() const;
    bool OpenNotifyWindow();
    void CloseNotifyWindow();
    bool BuildRing();
    void FreeRing();
    void PositionStream();
    // Reads up to n bytes of the stream into the buffer's data; the bytes read.
    DWORD FillBuffer(mWaveBuffer& buffer, DWORD n);
    void BufferDone(HWAVEOUT from, WAVEHDR* header);

    static LRESULT CALLBACK NotifyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
