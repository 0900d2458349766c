// One open mmio file: a file descriptor and the I/O buffer that mmio clients may read and
// write in place through the MMIOINFO record.
#pragma once
#include <memory>

#include "platform/include/mmsystem.h"

namespace platform {

class MmioFile {
public:
    explicit MmioFile(int descriptor);
    ~MmioFile();
    MmioFile(const MmioFile&) = delete;
    MmioFile& operator=(const MmioFile&) = delete;

    // A null buffer with a nonzero size is allocated here; size 0 leaves the file unbuffered.
    MMRESULT SetBuffer(char* buffer, LONG size);
    void GetInfo(MMIOINFO& out) const { out = info; }
    // Takes the client's next pointer and dirty flag.
    MMRESULT SetInfo(const MMIOINFO& in);
    MMRESULT Advance(UINT direction);
    LONG Read(char* destination, LONG count);
    LONG Write(const char* source, LONG count);
    LONG Seek(LONG offset, int origin);
    MMRESULT Flush(bool emptyBuffer);
    // Writes a dirty buffer out and closes the descriptor.
    MMRESULT Close();

private:
    LONG Position() const;
    char* ValidEnd() const;
    bool Contains(long long position) const;
    bool WriteDirtyBuffer();
    bool EmptyBufferAt(long long position);
    bool FillBuffer();
    LONG ReadUnbuffered(char* destination, LONG count);

    int descriptor;
    // The buffer holds the file's bytes [lBufOffset, lBufOffset + (ValidEnd() - pchBuffer)).
    MMIOINFO info{};
    char* dirtyEnd = nullptr;
    std::unique_ptr<char[]> ownedBuffer;
};

} // namespace platform
