// What the still-picture images (BMP, PCX, DCX) share. They decode straight into the
// target and keep no frame bitmap of their own, so transparency, key colours and colour
// mapping are not available for them; they hold one colour block for the picture's palette.
#pragma once

#include "engine/media/PictureColours.h"
#include "engine/media/mImage.h"

#include <cstdint>

class PictureRows;

// ReadHeader of each reads the header once; later calls, the sprite's among them, leave the
// open image as it is and succeed.
class mImageStill : public mImage {
public:
    // Closes the stream and gives back the hold on the target.
    ~mImageStill() override;

    // Not implemented: each reports "Not implemented" for the class.
    LONG WriteHeader() override;
    LONG WriteFrame(LONG a, LONG b, LONG c) override;
    void RemapColours() override;
    void SetTransparent(BOOL flag) override;
    void SetKeyColour(LONG colour) override;
    void SetRemap(BOOL flag) override;

protected:
    mImageStill(LONG classId, DWORD typeTag);

    // Reads the header when the image is not open yet, then checks for a target; false
    // (reported) when either is missing.
    bool ReadyToDraw();
    // Reports a target that cannot take the picture's pixels, or scratch rows that cannot
    // be had; the draw then ends with -1.
    bool Prepare(PictureRows& rows);
    // Reports a picture the program cannot hold: sides outside 1 to kMaxImageSide.
    bool SizeUsable(LONG width, LONG height);
    // Reports code with an optional detail; returns false.
    bool Refuse(LONG code, const char* detail = nullptr);
    // Fills both records for one picture; the palette is the reader's business.
    void StoreRecords(LONG width, LONG height, LONG bitsPerPixel, LONG planes, LONG fileSize,
                      LONG frameDataSize);
    // Whether the stream holds the bytes [offset, offset + count).
    bool Holds(int64_t offset, int64_t count);

    const LONG classId;
    const DWORD typeTag;
    PictureColours colours;
};
