// Handler codes to decompressors. Several codes name one decoder, as files written by
// different programs name the same format differently.
#include "platform/msvfw32/codec_table.h"

namespace platform::vfw {
namespace {

constexpr VideoCodec kRle8{mmioFOURCC('M', 'R', 'L', 'E'),
                           "MRLE",
                           "Run-length encoded 8-bit video",
                           DecodeRle8,
                           {BI_RLE8, 0, 0}};
constexpr VideoCodec kVideo1{mmioFOURCC('M', 'S', 'V', 'C'),
                             "MSVC",
                             "Video 1, 8-bit",
                             DecodeVideo1,
                             {mmioFOURCC('C', 'R', 'A', 'M'), mmioFOURCC('M', 'S', 'V', 'C'), 0}};
constexpr VideoCodec kUncompressed{mmioFOURCC('D', 'I', 'B', ' '),
                                   "DIB",
                                   "Uncompressed 8-bit video",
                                   DecodeUncompressed,
                                   {BI_RGB, mmioFOURCC('D', 'I', 'B', ' '), 0}};

struct HandlerEntry {
    FOURCC handler;
    const VideoCodec* codec;
};

constexpr HandlerEntry kHandlers[] = {
    {mmioFOURCC('M', 'R', 'L', 'E'), &kRle8},
    {mmioFOURCC('R', 'L', 'E', ' '), &kRle8},
    {mmioFOURCC('R', 'L', 'E', '8'), &kRle8},
    {mmioFOURCC('C', 'R', 'A', 'M'), &kVideo1},
    {mmioFOURCC('M', 'S', 'V', 'C'), &kVideo1},
    {mmioFOURCC('D', 'I', 'B', ' '), &kUncompressed},
    {0, &kUncompressed},
};

} // namespace

DWORD FoldCase(DWORD code) {
    DWORD folded = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        DWORD c = (code >> shift) & 0xFF;
        if (c >= 'a' && c <= 'z') c -= 'a' - 'A';
        folded |= c << shift;
    }
    return folded;
}

const VideoCodec* FindCodec(FOURCC handler) {
    for (const HandlerEntry& entry : kHandlers)
        if (entry.handler == FoldCase(handler)) return entry.codec;
    return nullptr;
}

FOURCC CodecHandler(size_t index) {
    const VideoCodec* codecs[] = {&kRle8, &kVideo1, &kUncompressed};
    return index < sizeof codecs / sizeof codecs[0] ? codecs[index]->handler : 0;
}

bool AcceptsCompression(const VideoCodec& codec, DWORD compression) {
    for (size_t i = 0; i < sizeof codec.compressions / sizeof codec.compressions[0]; ++i) {
        if (i > 0 && codec.compressions[i] == 0) break;
        if (codec.compressions[i] == FoldCase(compression)) return true;
    }
    return false;
}

} // namespace platform::vfw
