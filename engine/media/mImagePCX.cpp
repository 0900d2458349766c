#include "engine/media/mImagePCX.h"

#include "engine/media/FlicReader.h"
#include "engine/media/PictureDecoders.h"
#include "engine/media/PictureFormats.h"
#include "engine/media/PictureRows.h"

#include <algorithm>
#include <cstdio>

namespace {

enum Field {
    encodingField = 2,
    depthField = 3,
    xMinField = 4,
    yMinField = 6,
    xMaxField = 8,
    yMaxField = 10,
    planesField = 65,
    lineBytesField = 66,
};

constexpr LONG maxPlanes = 4;

LONG Width(const BYTE* header) {
    return LONG(Little16(header + xMaxField)) - LONG(Little16(header + xMinField)) + 1;
}

LONG Height(const BYTE* header) {
    return LONG(Little16(header + yMaxField)) - LONG(Little16(header + yMinField)) + 1;
}

} // namespace

mImagePCX::mImagePCX() : mImagePCX(classImagePCX) {}

mImagePCX::mImagePCX(LONG id) : mImageStill(id, ImageTag('P', 'C', 'X')) {}

BOOL mImagePCX::ReadHeader() {
    if (format.typeTag == typeTag) return TRUE;
    if (!ReadPcxHeader()) return FALSE;
    ReadEndPalette(int64_t(State()->size) - pcx::kEndPaletteSize);
    return TRUE;
}

bool mImagePCX::ReadPcxHeader() {
    if (!State()->open) return false;
    BYTE header[pcx::kHeaderSize];
    if (Read(header, pcx::kHeaderSize) != pcx::kHeaderSize || header[0] != pcx::kManufacturer ||
        header[encodingField] != pcx::kRunLengthEncoding)
        return Refuse(errFileType, State()->fileName);
    if (!Readable(header)) return false;
    RGBQUAD* table = colours.Get();
    if (!table) return Refuse(errOutOfMemory);
    imageDataPosition = State()->position;
    const LONG planes = header[planesField];
    bytesPerPlaneLine = Little16(header + lineBytesField);
    scanlineLength = planes * bytesPerPlaneLine;
    const LONG height = Height(header);
    StoreRecords(Width(header), height, header[depthField], planes, height * scanlineLength,
                 height * bytesPerPlaneLine);
    StoreHeaderColours(header);
    return true;
}

// Planes of more than 32 bits in all, and empty scanlines, are no picture the program draws.
bool mImagePCX::Readable(const BYTE* header) {
    if (!SizeUsable(Width(header), Height(header))) return false;
    const LONG depth = header[depthField], planes = header[planesField];
    const LONG lineBytes = Little16(header + lineBytesField);
    if (depth >= 1 && planes >= 1 && planes <= maxPlanes && depth * planes <= 32 && lineBytes >= 1)
        return true;
    char detail[64];
    std::snprintf(detail, sizeof detail, "%ld plane(s) of %ld bits, %ld bytes a line", long(planes),
                  long(depth), long(lineBytes));
    return Refuse(errValueOutOfRange, detail);
}

void mImagePCX::StoreHeaderColours(const BYTE* header) {
    RGBQUAD* table = colours.Get();
    const BYTE* rgb = header + pcx::kHeaderPaletteOffset;
    for (int i = 0; i < 16; ++i, rgb += 3)
        table[i] = RGBQUAD{rgb[2], rgb[1], rgb[0], 0};
    playback.palette = table;
    playback.paletteChanged = TRUE;
}

void mImagePCX::ReadEndPalette(int64_t offset) {
    BYTE palette[pcx::kEndPaletteSize];
    if (Holds(offset, pcx::kEndPaletteSize) && Seek(LONG(offset), 0) >= 0 &&
        Read(palette, pcx::kEndPaletteSize) == pcx::kEndPaletteSize &&
        palette[0] == pcx::kPaletteMarker) {
        RGBQUAD* table = playback.palette;
        for (int i = 0; i < 256; ++i)
            table[i] = RGBQUAD{palette[3 * i + 3], palette[3 * i + 2], palette[3 * i + 1], 0};
        return;
    }
    if (playback.bitsPerPixel * playback.planes > 8) {
        playback.palette = nullptr;
        playback.paletteChanged = FALSE;
    }
}

LONG mImagePCX::SeekFrame(LONG, LONG) {
    if (format.typeTag == typeTag) Seek(imageDataPosition, 0);
    return 0;
}

// Room for the scanline as stored, and for the planes ConvertRow reads when the file's lines
// are shorter than the width needs.
LONG mImagePCX::DecodedRowBytes() const {
    const LONG needed = LONG((int64_t(playback.width) * playback.bitsPerPixel + 7) / 8);
    return std::max(scanlineLength, playback.planes * std::max(bytesPerPlaneLine, needed));
}

LONG mImagePCX::Draw(LONG x, LONG y, const RECT* clip) {
    if (!ReadyToDraw()) return -1;
    PictureRows rows(*this, *targetInfo, x, y, clip, DecodedRowBytes(), bytesPerPlaneLine);
    if (!Prepare(rows)) return -1;
    if (rows.Window().Empty()) return playback.currentFrame;
    if (Seek(imageDataPosition, 0) < 0) return -1;
    FlicReader in(*this);
    // The rows above the visible ones are decoded too: each starts where the last ended.
    for (LONG row = 0; row < rows.Window().visible.bottom; ++row) {
        if (!DecodePcxScanline(in, rows.Scratch(), scanlineLength)) break;
        rows.Put(row);
    }
    return playback.currentFrame;
}
