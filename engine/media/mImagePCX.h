// PCX files (run-length encoded, version 5 palettes) decoded straight into the target: 8-bit
// pictures with their 256 colours at the end of the file, 16-colour headers, bit planes, and
// 24-bit pictures in three planes converted into the target's colours.
#pragma once

#include "engine/media/mImageStill.h"

class mImagePCX : public mImageStill {
public:
    mImagePCX();

    BOOL ReadHeader() override;
    LONG Draw(LONG x, LONG y, const RECT* clip) override;
    LONG SeekFrame(LONG n, LONG whence) override;

protected:
    // A DCX image reads its pages' headers and palettes itself.
    explicit mImagePCX(LONG classId);

    // The 128-byte header at the stream's position, with its 16 colours; nothing is stored
    // when it is refused.
    bool ReadPcxHeader();
    // The 256 colours whose marker byte lies at offset, when the marker is there; else a
    // picture of more than 8 bits has no palette.
    void ReadEndPalette(int64_t offset);

private:
    bool Readable(const BYTE* header);
    void StoreHeaderColours(const BYTE* header);
    LONG DecodedRowBytes() const;

    LONG imageDataPosition = 0;
    LONG scanlineLength = 0;
    LONG bytesPerPlaneLine = 0;
};
