// Positioned reads and writes (pread/pwrite) keep the disk offset in the record only.
#include "platform/host/posix/mmio_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Transfers all of `count` bytes unless the file ends or fails; returns the bytes moved,
// -1 when nothing moved because of an error.
template <typename Transfer> long long TransferAll(Transfer transfer, long long count) {
    long long done = 0;
    while (done < count) {
        ssize_t moved = transfer(done, count - done);
        if (moved < 0 && errno == EINTR) continue;
        if (moved < 0) return done ? done : -1;
        if (moved == 0) break;
        done += moved;
    }
    return done;
}

long long ReadAt(int descriptor, char* destination, long long count, long long offset) {
    return TransferAll(
        [&](long long done, long long left) {
            return pread(descriptor, destination + done, static_cast<size_t>(left), offset + done);
        },
        count);
}

long long WriteAt(int descriptor, const char* source, long long count, long long offset) {
    return TransferAll(
        [&](long long done, long long left) {
            return pwrite(descriptor, source + done, static_cast<size_t>(left), offset + done);
        },
        count);
}

bool IsOffset(long long position) {
    return position >= 0 && position <= LONG_MAX;
}

} // namespace

MmioFile::MmioFile(int descriptor) : descriptor(descriptor) {
    EmptyBufferAt(0);
}

MmioFile::~MmioFile() {
    if (descriptor >= 0) close(descriptor);
}

LONG MmioFile::Position() const {
    return info.lBufOffset + static_cast<LONG>(info.pchNext - info.pchBuffer);
}

char* MmioFile::ValidEnd() const {
    return std::max(info.pchEndRead, dirtyEnd);
}

bool MmioFile::Contains(long long position) const {
    return position >= info.lBufOffset &&
           position <= info.lBufOffset + (ValidEnd() - info.pchBuffer);
}

bool MmioFile::EmptyBufferAt(long long position) {
    if (!IsOffset(position)) return false;
    info.lBufOffset = info.lDiskOffset = static_cast<LONG>(position);
    info.pchNext = info.pchEndRead = dirtyEnd = info.pchBuffer;
    info.pchEndWrite = info.pchBuffer + info.cchBuffer;
    info.dwFlags &= ~static_cast<DWORD>(MMIO_DIRTY);
    return true;
}

bool MmioFile::WriteDirtyBuffer() {
    if (!(info.dwFlags & MMIO_DIRTY)) return true;
    long long length = ValidEnd() - info.pchBuffer;
    if (WriteAt(descriptor, info.pchBuffer, length, info.lBufOffset) != length) return false;
    info.pchEndRead = info.pchBuffer + length;
    info.lDiskOffset = info.lBufOffset + static_cast<LONG>(length);
    info.dwFlags &= ~static_cast<DWORD>(MMIO_DIRTY);
    return true;
}

// Reads the next buffer-full after the bytes the buffer held.
bool MmioFile::FillBuffer() {
    long long next = info.lBufOffset + (info.pchEndRead - info.pchBuffer);
    if (!EmptyBufferAt(next)) return false;
    long long obtained = ReadAt(descriptor, info.pchBuffer, info.cchBuffer, next);
    if (obtained < 0) return false;
    info.pchEndRead = info.pchBuffer + obtained;
    info.lDiskOffset = static_cast<LONG>(next + obtained);
    return true;
}

MMRESULT MmioFile::SetBuffer(char* buffer, LONG size) {
    if (size < 0) return MMSYSERR_INVALPARAM;
    LONG position = Position();
    if (!WriteDirtyBuffer()) return MMIOERR_CANNOTWRITE;
    std::unique_ptr<char[]> allocated;
    if (!buffer && size > 0) {
        allocated.reset(new (std::nothrow) char[static_cast<size_t>(size)]);
        if (!allocated) return MMIOERR_OUTOFMEMORY;
        buffer = allocated.get();
    }
    if (buffer != ownedBuffer.get()) ownedBuffer = std::move(allocated);
    info.pchBuffer = size > 0 ? buffer : nullptr;
    info.cchBuffer = info.pchBuffer ? size : 0;
    info.dwFlags = ownedBuffer ? (info.dwFlags | MMIO_ALLOCBUF) : (info.dwFlags & ~MMIO_ALLOCBUF);
    EmptyBufferAt(position);
    return MMSYSERR_NOERROR;
}

MMRESULT MmioFile::SetInfo(const MMIOINFO& in) {
    bool sameBuffer = in.pchBuffer == info.pchBuffer;
    bool dirty = (in.dwFlags & MMIO_DIRTY) != 0;
    char* limit = dirty ? info.pchEndWrite : ValidEnd();
    if (!sameBuffer || in.pchNext < info.pchBuffer || in.pchNext > limit)
        return MMSYSERR_INVALPARAM;
    info.pchNext = in.pchNext;
    if (dirty) {
        info.dwFlags |= MMIO_DIRTY;
        dirtyEnd = std::max(dirtyEnd, info.pchNext);
    }
    return MMSYSERR_NOERROR;
}

MMRESULT MmioFile::Advance(UINT direction) {
    if (!info.pchBuffer) return MMIOERR_UNBUFFERED;
    if (direction != MMIO_READ && direction != MMIO_WRITE) return MMSYSERR_INVALPARAM;
    if (!WriteDirtyBuffer()) return MMIOERR_CANNOTWRITE;
    if (direction == MMIO_WRITE) {
        return EmptyBufferAt(info.lBufOffset + (info.pchEndRead - info.pchBuffer))
                   ? MMSYSERR_NOERROR
                   : MMIOERR_CANNOTEXPAND;
    }
    return FillBuffer() ? MMSYSERR_NOERROR : MMIOERR_CANNOTREAD;
}

LONG MmioFile::ReadUnbuffered(char* destination, LONG count) {
    LONG position = Position();
    if (!WriteDirtyBuffer()) return -1;
    long long obtained = ReadAt(descriptor, destination, count, position);
    EmptyBufferAt(position + std::max(obtained, 0LL));
    return static_cast<LONG>(obtained);
}

LONG MmioFile::Read(char* destination, LONG count) {
    if (count < 0 || (!destination && count > 0)) return -1;
    LONG copied = 0;
    while (copied < count) {
        LONG available = static_cast<LONG>(ValidEnd() - info.pchNext);
        LONG take = std::min(available, count - copied);
        if (take > 0) std::memcpy(destination + copied, info.pchNext, static_cast<size_t>(take));
        info.pchNext += take;
        copied += take;
        if (copied == count) break;
        // Large requests go straight to the caller's memory rather than through the buffer.
        if (count - copied >= info.cchBuffer) {
            LONG direct = ReadUnbuffered(destination + copied, count - copied);
            return direct < 0 ? (copied ? copied : -1) : copied + direct;
        }
        if (Advance(MMIO_READ) != MMSYSERR_NOERROR) return copied ? copied : -1;
        if (info.pchEndRead == info.pchBuffer) break;
    }
    return copied;
}

LONG MmioFile::Write(const char* source, LONG count) {
    if (count < 0 || (!source && count > 0)) return -1;
    LONG position = Position();
    if (!WriteDirtyBuffer()) return -1;
    long long written = WriteAt(descriptor, source, count, position);
    EmptyBufferAt(position + std::max(written, 0LL));
    return static_cast<LONG>(written);
}

LONG MmioFile::Seek(LONG offset, int origin) {
    long long base = 0;
    if (origin == SEEK_CUR) {
        base = Position();
    } else if (origin == SEEK_END) {
        struct stat status;
        if (!WriteDirtyBuffer() || fstat(descriptor, &status) != 0) return -1;
        base = status.st_size;
    } else if (origin != SEEK_SET) {
        return -1;
    }
    long long target = base + offset;
    if (!IsOffset(target)) return -1;
    if (Contains(target)) {
        info.pchNext = info.pchBuffer + (target - info.lBufOffset);
        return static_cast<LONG>(target);
    }
    if (!WriteDirtyBuffer()) return -1;
    EmptyBufferAt(target);
    return static_cast<LONG>(target);
}

MMRESULT MmioFile::Flush(bool emptyBuffer) {
    LONG position = Position();
    if (!WriteDirtyBuffer()) return MMIOERR_CANNOTWRITE;
    if (emptyBuffer) EmptyBufferAt(position);
    return MMSYSERR_NOERROR;
}

MMRESULT MmioFile::Close() {
    bool flushed = WriteDirtyBuffer();
    bool closed = close(descriptor) == 0;
    descriptor = -1;
    if (!flushed) return MMIOERR_CANNOTWRITE;
    return closed ? MMSYSERR_NOERROR : MMIOERR_CANNOTCLOSE;
}

} // namespace platform
