#include "engine/media/PictureColours.h"

PictureColours::~PictureColours() {
    if (!block) return;
    GlobalUnlock(block);
    GlobalFree(block);
}

RGBQUAD* PictureColours::Get() {
    if (entries) return entries;
    block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 256 * sizeof(RGBQUAD));
    if (!block) return nullptr;
    entries = static_cast<RGBQUAD*>(GlobalLock(block));
    if (!entries) {
        GlobalFree(block);
        block = nullptr;
    }
    return entries;
}
