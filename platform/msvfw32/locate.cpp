// ICLocate: the decompressor for a format when the stream's handler code names none that
// reads it, as files name their handler in many ways (or not at all).
#include "platform/msvfw32/codec_table.h"

namespace {

// An open decompressor of the handler that accepts the formats, or null.
HIC OpenAccepting(DWORD type, FOURCC handler, BITMAPINFOHEADER* in, BITMAPINFOHEADER* out,
                  UINT mode) {
    HIC hic = ICOpen(type, handler, mode);
    if (hic && ICDecompressQuery(hic, in, out) != ICERR_OK) {
        ICClose(hic);
        hic = nullptr;
    }
    return hic;
}

} // namespace

HIC VFWAPI ICLocate(DWORD fccType, DWORD fccHandler, LPBITMAPINFOHEADER lpbiIn,
                    LPBITMAPINFOHEADER lpbiOut, WORD wFlags) {
    if (!lpbiIn || (wFlags != ICMODE_DECOMPRESS && wFlags != ICMODE_FASTDECOMPRESS)) return nullptr;
    HIC hic = fccHandler ? OpenAccepting(fccType, fccHandler, lpbiIn, lpbiOut, wFlags) : nullptr;
    for (size_t i = 0; !hic && platform::vfw::CodecHandler(i); ++i)
        hic = OpenAccepting(fccType, platform::vfw::CodecHandler(i), lpbiIn, lpbiOut, wFlags);
    return hic;
}
