// Windows bitmap files (BITMAPINFOHEADER) decoded straight into the target: uncompressed
// 1, 4, 8, 16, 24 and 32 bits in either row order, and the run-length forms RLE8 and RLE4.
#pragma once

#include "engine/media/mImageStill.h"

struct PictureWindow;

class mImageBMP : public mImageStill {
public:
    mImageBMP();

    BOOL ReadHeader() override;
    LONG Draw(LONG x, LONG y, const RECT* clip) override;
    LONG SeekFrame(LONG n, LONG whence) override;

private:
    // Checks what the program reads; reports and returns false for anything else.
    bool Readable(const BYTE* header, int64_t pixelData);
    bool ReadColours(const BYTE* header);
    void DrawRows(PictureRows& rows);
    void DrawRunLength(const PictureWindow& window);

    LONG fileRowStride = 0;
    LONG pixelDataPosition = 0;
    DWORD compression = 0;
    bool topDown = false;
};
