// Which engine image class reads a file, by its extension: BMP, PCX and DCX pictures, AVI
// movies, FLIC animations otherwise (FLI, FLC and anything unnamed, whose header then
// decides). The last dot counts, as paths on a command line often hold others.
#pragma once

#include "engine/media/AviFormat.h"
#include "engine/media/mImage.h"

// Whether the file's extension is one of the image classes' (a sprite script otherwise).
bool IsImageFile(const char* file);

// A new image of the class for file; the caller owns it.
mImage* NewImageFor(const char* file);

// FLIC animations wrap through a ring frame and take transparency and colour mapping; the
// still pictures do neither.
inline bool IsAnimation(const FormatInfo& format) {
    return format.kind == 4;
}

// AVI movies play once, at their frame rate and with their sound, and stand opaque.
inline bool IsMovie(const FormatInfo& format) {
    return format.typeTag == avi::kFormAvi;
}

// The depth of a target that shows the picture as it is: its own 24 bits when they can go
// straight in, 8 bits (the engine's colour indices) otherwise.
inline LONG ShowingDepth(const PlaybackInfo& picture) {
    return picture.bitsPerPixel == 24 && picture.planes == 1 ? 24 : 8;
}
