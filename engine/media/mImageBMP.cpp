#include "engine/media/mImageBMP.h"

#include "engine/media/FlicReader.h"
#include "engine/media/PictureFormats.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int headerSize = bmp::kFileHeaderSize + bmp::kInfoHeaderSize;

// Offsets into the file header followed by the information header.
enum Field {
    fileSizeField = 2,
    pixelDataField = 10,
    infoSizeField = 14,
    widthField = 18,
    heightField = 22,
    depthField = 28,
    compressionField = 30,
    imageSizeField = 34,
    coloursUsedField = 46,
};

bool KnownDepth(LONG depth) {
    return depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32;
}

// Run-length data only comes bottom-up, at its own depth.
bool KnownCompression(DWORD compression, LONG depth, bool topDown) {
    return compression == bmp::kRgb || (!topDown && ((compression == bmp::kRle8 && depth == 8) ||
                                                     (compression == bmp::kRle4 && depth == 4)));
}

} // namespace

mImageBMP::mImageBMP() : mImageStill(classImageBMP, ImageTag('B', 'M', 'P')) {}

BOOL mImageBMP::ReadHeader() {
    if (format.typeTag == typeTag) return TRUE;
    if (!State()->open) return FALSE;
    const LONG start = State()->position;
    BYTE header[headerSize];
    if (Read(header, bmp::kFileHeaderSize) != bmp::kFileHeaderSize ||
        Little16(header) != bmp::kSignature ||
        Read(header + bmp::kFileHeaderSize, bmp::kInfoHeaderSize) != bmp::kInfoHeaderSize ||
        Little32(header + infoSizeField) != bmp::kInfoHeaderSize)
        return Refuse(errFileType, State()->fileName);
    const int64_t pixelData = int64_t(start) + Little32(header + pixelDataField);
    if (!Readable(header, pixelData)) return FALSE;
    const LONG width = LONG(Little32(header + widthField));
    const LONG height = std::abs(LONG(Little32(header + heightField)));
    const LONG depth = Little16(header + depthField);
    topDown = LONG(Little32(header + heightField)) < 0;
    compression = Little32(header + compressionField);
    fileRowStride = LONG((int64_t(width) * depth + 31) / 32 * 4);
    pixelDataPosition = LONG(pixelData);
    const LONG imageSize = LONG(Little32(header + imageSizeField));
    // The file's own size, not the four times that size the original readers reported.
    StoreRecords(width, height, depth, 1, LONG(Little32(header + fileSizeField)),
                 imageSize ? imageSize : fileRowStride * height);
    return ReadColours(header);
}

bool mImageBMP::Readable(const BYTE* header, int64_t pixelData) {
    const LONG storedHeight = LONG(Little32(header + heightField));
    // The most negative height has no positive counterpart; it is refused as too large.
    const LONG height = storedHeight == INT32_MIN ? INT32_MAX : std::abs(storedHeight);
    if (!SizeUsable(LONG(Little32(header + widthField)), height)) return false;
    const LONG depth = Little16(header + depthField);
    const DWORD method = Little32(header + compressionField);
    char detail[64];
    if (!KnownDepth(depth)) {
        std::snprintf(detail, sizeof detail, "depth %ld", long(depth));
        return Refuse(errValueOutOfRange, detail);
    }
    if (!KnownCompression(method, depth, storedHeight < 0)) {
        std::snprintf(detail, sizeof detail, "compression %lu at depth %ld%s",
                      static_cast<unsigned long>(method), long(depth),
                      storedHeight < 0 ? ", top-down" : "");
        return Refuse(errFileType, detail);
    }
    // Pixel data past the end of the stream is a damaged file.
    return Holds(pixelData, 0) || Refuse(errFileType, State()->fileName);
}

// Up to 256 entries: pixels of at most 8 bits cannot index more, so a longer table is cut.
bool mImageBMP::ReadColours(const BYTE* header) {
    if (playback.bitsPerPixel > 8) return true;
    DWORD count = Little32(header + coloursUsedField);
    if (count == 0 || count > 256) count = count ? 256 : 1u << playback.bitsPerPixel;
    RGBQUAD* table = colours.Get();
    if (!table) return Refuse(errOutOfMemory);
    Read(table, LONG(count * sizeof(RGBQUAD)));
    playback.palette = table;
    playback.paletteChanged = TRUE;
    return true;
}

LONG mImageBMP::SeekFrame(LONG, LONG) {
    if (format.typeTag == typeTag) Seek(pixelDataPosition, 0);
    return 0;
}
