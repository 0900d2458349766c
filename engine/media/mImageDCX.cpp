#include "engine/media/mImageDCX.h"

#include "engine/media/FlicReader.h"

#include <cstdint>

mImageDCX::mImageDCX() : mImagePCX(classImageDCX) {}

BOOL mImageDCX::ReadHeader() {
    if (format.typeTag == typeTag) return TRUE;
    if (!State()->open) return FALSE;
    dcxStart = State()->position;
    BYTE table[dcx::kTableSize];
    if (Read(table, dcx::kTableSize) != dcx::kTableSize || Little32(table) != dcx::kMagic)
        return Refuse(errFileType, State()->fileName);
    pageCount = 0;
    while (pageCount < dcx::kMaxPages &&
           (pageOffsets[pageCount] = Little32(table + 4 + 4 * pageCount)))
        ++pageCount;
    // Without a first page inside the file there is no picture to draw.
    if (pageCount == 0 || !Holds(int64_t(dcxStart) + pageOffsets[0], pcx::kHeaderSize))
        return Refuse(errFileType, State()->fileName);
    return ReadPage(0);
}

LONG mImageDCX::SeekFrame(LONG page, LONG whence) {
    int64_t wanted = whence == 1   ? int64_t(playback.currentFrame) + page
                     : whence == 2 ? int64_t(pageCount) - page
                                   : page;
    if (wanted >= 0 && wanted < pageCount && ReadPage(LONG(wanted))) return LONG(wanted);
    return playback.currentFrame;
}

// The page's palette ends where the next page begins, or at the end of the file.
bool mImageDCX::ReadPage(LONG page) {
    if (page >= pageCount) return false;
    const int64_t start = int64_t(dcxStart) + pageOffsets[page];
    if (!Holds(start, 0) || Seek(LONG(start), 0) < 0 || !ReadPcxHeader()) return false;
    format.frameCount = pageCount;
    playback.currentFrame = page;
    const int64_t end =
        page + 1 < pageCount ? int64_t(dcxStart) + pageOffsets[page + 1] : State()->size;
    ReadEndPalette(end - pcx::kEndPaletteSize);
    return true;
}
