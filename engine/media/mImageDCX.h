// DCX files: a table of up to 1024 page offsets followed by the pages, each a PCX picture
// whose 256 colours end where the next page begins. Pages are the image's frames.
#pragma once

#include "engine/media/PictureFormats.h"
#include "engine/media/mImagePCX.h"

class mImageDCX : public mImagePCX {
public:
    mImageDCX();

    // The page table, then page 0.
    BOOL ReadHeader() override;
    // whence 0 absolute, 1 from the current page, 2 from the page count; a page outside
    // the file changes nothing. Returns the current page.
    LONG SeekFrame(LONG page, LONG whence) override;

private:
    bool ReadPage(LONG page);

    LONG dcxStart = 0;
    DWORD pageOffsets[dcx::kMaxPages] = {};
    LONG pageCount = 0;
};
