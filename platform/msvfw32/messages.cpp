// ICSendMessage and the calls built on it: the decompression messages of every codec here.
#include <algorithm>
#include <cstring>

#include "platform/msvfw32/formats.h"
#include "platform/msvfw32/instances.h"

namespace platform::vfw {
namespace {

constexpr LRESULT kOutputFormatSize = sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD);

const BITMAPINFOHEADER* Header(DWORD_PTR value) {
    return reinterpret_cast<const BITMAPINFOHEADER*>(value);
}

RGBQUAD* OutputColours(BITMAPINFOHEADER* out) {
    return reinterpret_cast<RGBQUAD*>(reinterpret_cast<BYTE*>(out) + sizeof(BITMAPINFOHEADER));
}

// The input's colours into the output header's table (256 entries, the rest black).
void CopyPalette(const BITMAPINFOHEADER* in, BITMAPINFOHEADER* out) {
    RGBQUAD* colours = OutputColours(out);
    DWORD count = InputColourCount(in);
    std::memcpy(colours, InputColours(in), count * sizeof(RGBQUAD));
    std::memset(colours + count, 0, (256 - count) * sizeof(RGBQUAD));
    out->biClrUsed = 256;
}

LRESULT GetFormat(const Instance& instance, const BITMAPINFOHEADER* in, BITMAPINFOHEADER* out) {
    if (!InputIsReadable(*instance.codec, in)) return ICERR_BADFORMAT;
    if (!out) return kOutputFormatSize;
    *out = BITMAPINFOHEADER{};
    out->biSize = sizeof(BITMAPINFOHEADER);
    out->biWidth = in->biWidth;
    out->biHeight = AbsoluteHeight(in);
    out->biPlanes = 1;
    out->biBitCount = 8;
    out->biCompression = BI_RGB;
    out->biSizeImage = DWORD(DibStride(out->biWidth) * size_t(out->biHeight));
    CopyPalette(in, out);
    return ICERR_OK;
}

LRESULT GetPalette(const Instance& instance, const BITMAPINFOHEADER* in, BITMAPINFOHEADER* out) {
    if (!InputIsReadable(*instance.codec, in)) return ICERR_BADFORMAT;
    if (!out) return kOutputFormatSize;
    CopyPalette(in, out);
    return ICERR_OK;
}

LRESULT Decompress(const Instance& instance, const ICDECOMPRESS* job, DWORD_PTR size) {
    if (!job || size < sizeof(ICDECOMPRESS) || !job->lpOutput) return ICERR_BADPARAM;
    const BITMAPINFOHEADER* in = job->lpbiInput;
    const BITMAPINFOHEADER* out = job->lpbiOutput;
    if (!FormatsMatch(*instance.codec, in, out)) return ICERR_BADFORMAT;
    // The decoders read exactly the compressed size the input format gives.
    CompressedFrame frame{static_cast<const BYTE*>(job->lpInput),
                          job->lpInput ? size_t(in->biSizeImage) : 0, in->biHeight < 0};
    LONG height = AbsoluteHeight(out);
    ptrdiff_t stride = ptrdiff_t(DibStride(out->biWidth));
    BYTE* bits = static_cast<BYTE*>(job->lpOutput);
    VideoCanvas canvas = out->biHeight > 0 ? VideoCanvas{bits, stride, out->biWidth, height}
                                           : VideoCanvas{bits + (height - 1) * stride, -stride,
                                                         out->biWidth, height};
    instance.codec->decode(frame, canvas);
    return ICERR_OK;
}

LRESULT Dispatch(const Instance& instance, UINT msg, DWORD_PTR dw1, DWORD_PTR dw2) {
    auto* out = reinterpret_cast<BITMAPINFOHEADER*>(dw2);
    switch (msg) {
    // Decoding needs no state between frames beyond the frame itself, so beginning is a check.
    case ICM_DECOMPRESS_QUERY:
    case ICM_DECOMPRESS_BEGIN:
        return FormatsMatch(*instance.codec, Header(dw1), Header(dw2)) ? ICERR_OK : ICERR_BADFORMAT;
    case ICM_DECOMPRESS_END:
        return ICERR_OK;
    case ICM_DECOMPRESS_GET_FORMAT:
        return GetFormat(instance, Header(dw1), out);
    case ICM_DECOMPRESS_GET_PALETTE:
        return GetPalette(instance, Header(dw1), out);
    case ICM_DECOMPRESS:
        return Decompress(instance, reinterpret_cast<const ICDECOMPRESS*>(dw1), dw2);
    default:
        return ICERR_UNSUPPORTED;
    }
}

// Letters of an ASCII name into a wide-character field, NUL-terminated.
void CopyWide(WCHAR* field, size_t capacity, const char* text) {
    size_t i = 0;
    for (; text[i] && i + 1 < capacity; ++i)
        field[i] = WCHAR(BYTE(text[i]));
    field[i] = 0;
}

} // namespace
} // namespace platform::vfw

LRESULT VFWAPI ICSendMessage(HIC hic, UINT msg, DWORD_PTR dw1, DWORD_PTR dw2) {
    platform::vfw::Instance* instance = platform::vfw::LookupInstance(hic);
    if (!instance) return ICERR_BADHANDLE;
    if (msg == ICM_GETINFO) return ICGetInfo(hic, reinterpret_cast<ICINFO*>(dw1), DWORD(dw2));
    return platform::vfw::Dispatch(*instance, msg, dw1, dw2);
}

DWORD VFWAPIV ICDecompress(HIC hic, DWORD dwFlags, LPBITMAPINFOHEADER lpbiFormat, LPVOID lpData,
                           LPBITMAPINFOHEADER lpbi, LPVOID lpBits) {
    ICDECOMPRESS job{dwFlags, lpbiFormat, lpData, lpbi, lpBits, 0};
    return DWORD(ICSendMessage(hic, ICM_DECOMPRESS, reinterpret_cast<DWORD_PTR>(&job), sizeof job));
}

// Returns the bytes filled in, 0 for a bad handle or a record too small.
LRESULT VFWAPI ICGetInfo(HIC hic, ICINFO* picinfo, DWORD cb) {
    const platform::vfw::Instance* instance = platform::vfw::LookupInstance(hic);
    if (!instance || !picinfo || cb < sizeof(ICINFO)) return 0;
    const platform::vfw::VideoCodec& codec = *instance->codec;
    *picinfo = ICINFO{};
    picinfo->dwSize = sizeof(ICINFO);
    picinfo->fccType = ICTYPE_VIDEO;
    picinfo->fccHandler = codec.handler;
    picinfo->dwVersionICM = 0x104;
    platform::vfw::CopyWide(picinfo->szName, 16, codec.name);
    platform::vfw::CopyWide(picinfo->szDescription, 128, codec.description);
    return sizeof(ICINFO);
}
