// The engine's byte stream over a named file or a block of memory, built for parsing in
// place: a parser asks for n contiguous bytes at `current`, reads them straight from the
// buffer and advances `current` itself. A look-behind area in front of the buffer lets a
// record that straddles a buffer boundary be made contiguous. On top: RIFF chunk navigation
// with a nesting stack, and a keyword scanner for line-oriented text.
//
// Parser contract (every parser of this engine follows it):
//   LONG have = Require(n);
//   if (have < n) -> the source has no n more bytes here: stop, treat the data as malformed.
//   else          -> [current, current + n) are valid bytes of the source; parse them in
//                    place, advance current, and call Require again before the next record.
// Require returns the contiguous bytes available at current (data end - current). It is
// below n at the end of the data, and 0 when the carry was refused ("Wrap Block": n was
// larger than the look-behind area, so the bytes asked for are gone). Never touch a byte at
// or past `dataEnd`; a memory source has no slack after its data.
#pragma once

#include <cstdint>

#include "engine/core/mObject.h"
#include "platform/win32.h"

constexpr int kMaxChunkLevels = 10;
constexpr LONG kDefaultBufferSize = 8192;
constexpr LONG kDefaultLookBehindSize = 2048;

// Read by clients through State(); only `current` (and `position`, once a parser that
// advanced current itself is done) is theirs to move.
struct StreamState {
    LONG open;         // 1 while a source is open
    LONG size;         // length of the source in bytes
    LPSTR fileName;    // the name opened with (null for memory); detail of every report
    LONG position;     // stream offset reached by the last Read, Seek or Refill
    BYTE* current;     // next unread byte
    BYTE* bufferStart; // first byte whose stream offset is known (carried bytes included)
    BYTE* dataEnd;     // one past the last valid byte
    LONG memory;       // 1 for a memory source
    HMMIO fileHandle;
    MMIOINFO* ioInfo;  // the file service's buffer record, inside the block
    BYTE* areaBase;    // look-behind area is [areaBase, bufferBegin)
    BYTE* bufferBegin; // buffer is [bufferBegin, bufferEnd)
    BYTE* bufferEnd;
    LONG bufferOffset; // stream offset of the byte at bufferStart
    LONG bufferSize;
    LONG lookBehindSize;
    HGLOBAL block;                   // the one memory block of a file source
    LONG chunkDepth;                 // innermost open chunk level (0 = the RIFF form)
    LONG chunkEnds[kMaxChunkLevels]; // stream offset where each open level ends
    LONG lastChunkEnd;               // end (padding included) of the chunk last found
    LONG lastChunkSize;              // size field of the chunk last found
};

class mFile : public virtual mObject {
public:
    mFile();
    // Warns "File not closed" when still open, then closes.
    virtual ~mFile();

    StreamState* State() { return &state; }

    // Open and OpenMemory close a source still open first. openFlags go unchanged to
    // mmioOpenA (0: read only). Returns 1 or 0.
    LONG Open(LPCSTR name, DWORD openFlags);
    // Reads data in place; the block must outlive the stream's use and, for the keyword
    // scanner, be writable. Returns 1.
    LONG OpenMemory(void* data, LONG length);
    void Close();

    // Bytes copied; 0 for a null destination or count <= 0; -1 at the end of the data.
    LONG Read(void* destination, LONG count);
    LONG Write(const void* source, LONG count);
    // whence 0 from the start, 1 from current, 2 from size (other values count as 0).
    // Returns the new position or -1.
    LONG Seek(LONG offset, LONG whence);
    // Reads the next buffer-full, carrying [keepFrom, dataEnd) in front of it (null keeps
    // nothing). Returns the new current pointer, null when closed.
    BYTE* Refill(BYTE* keepFrom);
    // See the parser contract above.
    LONG Require(LONG count);

    // Reads into a caller's area: buffer [area + lookBehind, area + lookBehind + size).
    // A null area returns to the stream's own buffer. File sources only.
    void SetBuffer(BYTE* area, LONG size, LONG lookBehind);
    // Only while closed; rounds up to multiples of 4, 0 takes the default.
    void SetBufferSizes(LONG bufferSize, LONG lookBehindSize);

    // RIFF navigation; identifiers are four-character codes (mmioFOURCC). The first four
    // return 1 or 0 and stop cleanly (0) at the end of the data.
    LONG DescendRiff(FOURCC formType);
    LONG FindChunk(FOURCC id);
    LONG SkipChunk();
    LONG DescendList(FOURCC listType);
    // Seek results.
    LONG Ascend();
    LONG SkipToChunkEnd();

    // Scans line-oriented text for the next keyword of table (upper-case strings ended by
    // ""). Returns its index with current at its value, NUL-terminated in place, or -1 when
    // no text is left. A value that runs to the very end of a memory source has no room for
    // its terminator and counts as no text left.
    LONG NextKeyword(const char* const* table);

private:
    LONG CurrentOffset() const;
    LONG DataEndOffset() const;
    LONG Available() const;
    // Bytes a refill keeping from keepFrom would carry into the look-behind area.
    LONG CarryLength(const BYTE* keepFrom) const;
    LONG Carry(const BYTE* keepFrom);
    void SetEmpty();
    void InstallBuffer(BYTE* area, LONG size, LONG lookBehind);
    BYTE* AllocateBlock(size_t bytes, LPCSTR name);
    void FreeBlock();
    // Reports code under the stream's class with the file name as the detail.
    void ReportFailure(LONG code);
    LONG SeekMemory(int64_t target);
    LONG SeekFile(int64_t target);
    // Seeks to target, or to the end of the data when target lies past it.
    LONG SeekWithinData(uint64_t target);
    // Last byte + 1 the scanner may write its terminator below.
    const BYTE* WritableEnd() const;

    StreamState state;
    BYTE* ownArea = nullptr; // the look-behind area in the block, and its sizes
    LONG ownBufferSize = kDefaultBufferSize;
    LONG ownLookBehindSize = kDefaultLookBehindSize;
};
