// The 256-entry colour table of a still picture: one movable, zero-filled 1024-byte global
// block, made on first need and kept across re-reads of the header.
#pragma once

#include "platform/win32.h"

class PictureColours {
public:
    PictureColours() = default;
    ~PictureColours();
    PictureColours(const PictureColours&) = delete;
    PictureColours& operator=(const PictureColours&) = delete;

    // The table, or null when no block can be had.
    RGBQUAD* Get();

private:
    HGLOBAL block = nullptr;
    RGBQUAD* entries = nullptr;
};
