#include "engine/media/mFile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// The info record follows the name copy; keep it aligned for its pointer members.
constexpr size_t kInfoAlign = alignof(MMIOINFO) > 4 ? alignof(MMIOINFO) : 4;

size_t RoundUp(size_t value, size_t multiple) {
    return (value + multiple - 1) / multiple * multiple;
}

// Rounded down again near the top, so that rounding up never wraps a LONG negative.
LONG SizeOrDefault(LONG requested, LONG fallback) {
    if (requested <= 0) return fallback;
    return LONG(std::min<uint64_t>(RoundUp(size_t(requested), 4), INT32_MAX & ~3));
}

BYTE emptySource = 0; // stands in for a null memory block

} // namespace

mFile::mFile() : state() {
    state.bufferSize = kDefaultBufferSize;
    state.lookBehindSize = kDefaultLookBehindSize;
}

void mFile::ReportFailure(LONG code) {
    Error(classFile, code, state.fileName);
}

mFile::~mFile() {
    if (!state.open) return;
    Warning(classFile, errFileNotClosed, state.fileName);
    Close();
}

LONG mFile::Open(LPCSTR name, DWORD openFlags) {
    if (state.open) Close(); // a second open would lose the block and the handle
    if (!name) name = "";
    size_t nameBytes = RoundUp(strlen(name) + 1, kInfoAlign);
    // Summed wide: on a 32-bit build two large buffer sizes would wrap to a short block.
    uint64_t blockBytes =
        uint64_t(state.lookBehindSize) + uint64_t(state.bufferSize) + nameBytes + sizeof(MMIOINFO);
    if (blockBytes > INT32_MAX) { // every offset into the block must fit a LONG
        Error(classFile, errOutOfMemory, name);
        return 0;
    }
    BYTE* base = AllocateBlock(size_t(blockBytes), name);
    if (!base) return 0;
    HMMIO handle = mmioOpenA(const_cast<LPSTR>(name), nullptr, openFlags);
    if (!handle) {
        Error(classFile, errFileOpen, name);
        FreeBlock();
        return 0;
    }
    state.fileHandle = handle;
    state.fileName = reinterpret_cast<LPSTR>(base);
    strcpy(state.fileName, name);
    state.ioInfo = reinterpret_cast<MMIOINFO*>(base + nameBytes);
    ownArea = base + nameBytes + sizeof(MMIOINFO);
    ownBufferSize = state.bufferSize;
    ownLookBehindSize = state.lookBehindSize;
    state.size = mmioSeek(handle, 0, SEEK_END);
    mmioSeek(handle, 0, SEEK_SET);
    state.position = state.bufferOffset = 0;
    InstallBuffer(ownArea, ownBufferSize, ownLookBehindSize);
    state.open = 1;
    state.memory = 0;
    return 1;
}

BYTE* mFile::AllocateBlock(size_t bytes, LPCSTR name) {
    HGLOBAL block = GlobalAlloc(GMEM_FIXED, bytes);
    if (!block) {
        Error(classFile, errOutOfMemory, name);
        return nullptr;
    }
    auto* base = static_cast<BYTE*>(GlobalLock(block));
    if (!base) {
        Error(classFile, errMemLock, name);
        GlobalFree(block);
        return nullptr;
    }
    state.block = block;
    return base;
}

void mFile::FreeBlock() {
    if (!state.block) return;
    GlobalUnlock(state.block);
    GlobalFree(state.block);
    state.block = nullptr;
}

LONG mFile::OpenMemory(void* data, LONG length) {
    if (state.open) Close();
    BYTE* start = static_cast<BYTE*>(data);
    if (!start || length < 0) {
        start = &emptySource;
        length = 0;
    }
    state.open = 1;
    state.memory = 1;
    state.size = length;
    state.position = state.bufferOffset = 0;
    state.areaBase = state.bufferBegin = state.bufferStart = state.current = start;
    state.dataEnd = start + length;
    state.bufferEnd = state.dataEnd + 1; // data end < buffer end: the data ends there
    return 1;
}

void mFile::Close() {
    if (state.fileHandle) mmioClose(state.fileHandle, 0);
    FreeBlock();
    state = StreamState();
    state.bufferSize = ownBufferSize = kDefaultBufferSize;
    state.lookBehindSize = ownLookBehindSize = kDefaultLookBehindSize;
    ownArea = nullptr;
}

LONG mFile::CurrentOffset() const {
    return state.bufferOffset + LONG(state.current - state.bufferStart);
}

LONG mFile::DataEndOffset() const {
    return state.bufferOffset + LONG(state.dataEnd - state.bufferStart);
}

LONG mFile::Available() const {
    return state.current < state.dataEnd ? LONG(state.dataEnd - state.current) : 0;
}

void mFile::SetEmpty() {
    state.current = state.bufferStart = state.dataEnd = state.bufferEnd;
}

void mFile::InstallBuffer(BYTE* area, LONG size, LONG lookBehind) {
    state.areaBase = area;
    state.bufferBegin = area + lookBehind;
    state.bufferEnd = state.bufferBegin + size;
    state.bufferSize = size;
    state.lookBehindSize = lookBehind;
    mmioSetBuffer(state.fileHandle, reinterpret_cast<LPSTR>(state.bufferBegin), size, 0);
    mmioGetInfo(state.fileHandle, state.ioInfo, 0);
    SetEmpty();
}

LONG mFile::Read(void* destination, LONG count) {
    if (!state.open) {
        ReportFailure(errFileRead);
        return 0;
    }
    if (!destination || count <= 0) return 0;
    if (state.current >= state.dataEnd && state.dataEnd < state.bufferEnd) return -1;
    auto* out = static_cast<BYTE*>(destination);
    LONG copied = 0;
    while (count - copied > Available()) {
        LONG part = Available();
        memcpy(out + copied, state.current, size_t(part));
        copied += part;
        state.current = state.dataEnd;
        Refill(nullptr);
        if (Available() == 0) {
            state.position = DataEndOffset();
            return copied > 0 ? copied : -1;
        }
    }
    memcpy(out + copied, state.current, size_t(count - copied));
    state.current += count - copied;
    state.position = CurrentOffset();
    return count;
}

LONG mFile::Write(const void* source, LONG count) {
    if (!state.open) {
        ReportFailure(errFileWrite);
        return 0;
    }
    if (state.memory) return -1; // a memory source has no file to write to
    LONG written = mmioWrite(state.fileHandle, static_cast<const char*>(source), count);
    if (written > 0) {
        state.bufferOffset += written;
        state.position += written;
        if (state.position > state.size) state.size = state.position;
    }
    return written;
}

LONG mFile::Seek(LONG offset, LONG whence) {
    if (!state.open) {
        ReportFailure(errFileSeek);
        return -1;
    }
    int64_t base = whence == SEEK_CUR ? CurrentOffset() : whence == SEEK_END ? state.size : 0;
    int64_t target = base + offset;
    if (target >= state.bufferOffset && target < DataEndOffset()) {
        state.current = state.bufferStart + (target - state.bufferOffset);
        state.position = LONG(target);
        return state.position;
    }
    return state.memory ? SeekMemory(target) : SeekFile(target);
}

LONG mFile::SeekMemory(int64_t target) {
    if (target < 0 || target > state.dataEnd - state.bufferStart) {
        ReportFailure(errFileSeek);
        return -1;
    }
    state.current = state.bufferStart + target;
    state.position = LONG(target);
    return state.position;
}

LONG mFile::SeekFile(int64_t target) {
    LONG reached = -1;
    if (target >= 0 && target <= INT32_MAX) {
        mmioSetInfo(state.fileHandle, state.ioInfo, 0);
        reached = mmioSeek(state.fileHandle, LONG(target), SEEK_SET);
    }
    if (reached < 0) {
        ReportFailure(errFileSeek);
        return -1;
    }
    state.bufferOffset = reached;
    InstallBuffer(state.areaBase, state.bufferSize, state.lookBehindSize);
    state.position = LONG(target);
    return state.position;
}

LONG mFile::CarryLength(const BYTE* keepFrom) const {
    return keepFrom && keepFrom < state.dataEnd ? LONG(state.dataEnd - keepFrom) : 0;
}

// Only the valid bytes are carried, so stream offsets stay exact at the end of the file.
// Returns the bytes carried in front of the buffer.
LONG mFile::Carry(const BYTE* keepFrom) {
    LONG length = CarryLength(keepFrom);
    if (length > state.lookBehindSize) {
        Error(classFile, errValueOutOfRange, "Wrap Block");
        return 0;
    }
    memmove(state.bufferBegin - length, keepFrom, size_t(length));
    return length;
}

BYTE* mFile::Refill(BYTE* keepFrom) {
    if (!state.open) {
        ReportFailure(errFileRead);
        return nullptr;
    }
    if (state.memory) return state.current = keepFrom ? keepFrom : state.dataEnd;
    LONG carried = keepFrom ? Carry(keepFrom) : 0;
    state.bufferOffset = DataEndOffset() - carried;
    state.bufferStart = state.bufferBegin - carried;
    MMIOINFO* info = state.ioInfo;
    if (mmioAdvance(state.fileHandle, info, MMIO_READ) != 0) {
        ReportFailure(errFileRead);
        info->pchEndRead = reinterpret_cast<HPSTR>(state.bufferBegin);
    }
    info->pchNext = info->pchEndRead; // the whole file buffer counts as taken
    state.dataEnd = reinterpret_cast<BYTE*>(info->pchEndRead);
    state.position = state.bufferOffset;
    state.current = state.bufferStart;
    return state.current;
}

LONG mFile::Require(LONG count) {
    if (state.bufferEnd - state.current >= count) return Available();
    BYTE* keepFrom = state.current;
    bool refused = !state.memory && CarryLength(keepFrom) > state.lookBehindSize;
    if (!Refill(keepFrom) || refused) return 0;
    return Available();
}

void mFile::SetBuffer(BYTE* area, LONG size, LONG lookBehind) {
    if (!state.open || state.memory) return;
    if (area && (size < 0 || lookBehind < 0)) return;
    mmioSetInfo(state.fileHandle, state.ioInfo, 0);
    if (state.current == state.dataEnd) {
        state.bufferOffset = DataEndOffset();
    } else {
        state.position = CurrentOffset();
        LONG reached = mmioSeek(state.fileHandle, state.position, SEEK_SET);
        if (reached < 0) {
            ReportFailure(errFileSeek);
            return;
        }
        state.bufferOffset = reached;
    }
    if (area)
        InstallBuffer(area, size, lookBehind);
    else
        InstallBuffer(ownArea, ownBufferSize, ownLookBehindSize);
}

void mFile::SetBufferSizes(LONG bufferSize, LONG lookBehindSize) {
    if (state.open) return;
    state.bufferSize = SizeOrDefault(bufferSize, kDefaultBufferSize);
    state.lookBehindSize = SizeOrDefault(lookBehindSize, kDefaultLookBehindSize);
}

const BYTE* mFile::WritableEnd() const {
    return state.memory ? state.dataEnd : state.bufferEnd;
}
