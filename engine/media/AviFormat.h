// The RIFF AVI records the AVI image reads, as stored (little-endian), and its format numbers.
#pragma once
#include <cstdint>

#include "platform/win32.h"

namespace avi {

constexpr FOURCC kFormAvi = mmioFOURCC('A', 'V', 'I', ' ');
constexpr FOURCC kList = mmioFOURCC('L', 'I', 'S', 'T');
constexpr FOURCC kHeaderList = mmioFOURCC('h', 'd', 'r', 'l');
constexpr FOURCC kMainHeader = mmioFOURCC('a', 'v', 'i', 'h');
constexpr FOURCC kStreamList = mmioFOURCC('s', 't', 'r', 'l');
constexpr FOURCC kStreamHeader = mmioFOURCC('s', 't', 'r', 'h');
constexpr FOURCC kStreamFormat = mmioFOURCC('s', 't', 'r', 'f');
constexpr FOURCC kMovieList = mmioFOURCC('m', 'o', 'v', 'i');
constexpr FOURCC kRecordList = mmioFOURCC('r', 'e', 'c', ' ');
constexpr FOURCC kIndex = mmioFOURCC('i', 'd', 'x', '1');
constexpr FOURCC kVideoStream = mmioFOURCC('v', 'i', 'd', 's');
constexpr FOURCC kAudioStream = mmioFOURCC('a', 'u', 'd', 's');
constexpr FOURCC kNoSound = mmioFOURCC('N', 'O', 'N', 'E');
constexpr FOURCC kRleHandler = mmioFOURCC('R', 'L', 'E', ' ');
constexpr FOURCC kMrleHandler = mmioFOURCC('M', 'R', 'L', 'E');

// Chunk identifiers of the movie list: two decimal digits of the stream, then the kind.
constexpr WORD TwoCC(char a, char b) {
    return WORD(BYTE(a) | BYTE(b) << 8);
}
constexpr WORD kFrameBits = TwoCC('d', 'b');
constexpr WORD kFrameCompressed = TwoCC('d', 'c');
constexpr WORD kPaletteChange = TwoCC('p', 'c');
constexpr WORD kWaveBytes = TwoCC('w', 'b');
// Streams are numbered by two digits: at most 100.
constexpr LONG kMaxStreams = 100;

inline WORD StreamDigits(LONG index) {
    return TwoCC(char('0' + index / 10), char('0' + index % 10));
}
inline WORD ChunkStream(FOURCC id) {
    return WORD(id & 0xFFFF);
}
inline WORD ChunkKind(FOURCC id) {
    return WORD(id >> 16);
}

constexpr DWORD kHasIndex = 0x10;
constexpr DWORD kKeyFrame = 0x10;

struct MainHeader {
    DWORD microSecPerFrame;
    DWORD maxBytesPerSec;
    DWORD paddingGranularity;
    DWORD flags;
    DWORD totalFrames;
    DWORD initialFrames;
    DWORD streams;
    DWORD suggestedBufferSize;
    DWORD width;
    DWORD height;
    DWORD reserved[4];
};
static_assert(sizeof(MainHeader) == 56, "main AVI header layout");

// Many files store the frame rectangle in 16-bit words, making the header 56 bytes; the
// fields after the rectangle's start are not used.
struct StreamHeader {
    FOURCC type;
    FOURCC handler;
    DWORD flags;
    WORD priority;
    WORD language;
    DWORD initialFrames;
    DWORD scale;
    DWORD rate;
    DWORD start;
    DWORD length;
    DWORD suggestedBufferSize;
    DWORD quality;
    DWORD sampleSize;
    LONG frame[4];
};
static_assert(sizeof(StreamHeader) == 64, "AVI stream header layout");

struct IndexEntry {
    FOURCC id;
    DWORD flags;
    DWORD offset; // of the chunk's header, from the movie list's type field
    DWORD size;
};
static_assert(sizeof(IndexEntry) == 16, "AVI index entry layout");

// A palette change: first entry, entry count (0 for 256), flags, then red, green, blue,
// flags per entry.
constexpr LONG kPaletteChangeHeader = 4;

// The video format block: a BITMAPINFOHEADER and up to 256 colour entries.
constexpr DWORD kVideoFormatSize = sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD);

} // namespace avi
