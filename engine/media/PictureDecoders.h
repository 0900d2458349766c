// Decoders of the still-picture formats' compressed pixel data. Each reads in place through
// the reader (so whatever a file claims, nothing past its bytes is read) and writes only
// where it is given room: a scanline of the stated length, or the visible part of a window.
#pragma once

#include "engine/media/FlicReader.h"
#include "engine/media/PictureWindow.h"

// PCX run-length data: a byte below 0xC0 stands for itself; one of 0xC0 or more repeats the
// next byte by its low six bits. Decodes one scanline of length bytes into line; a run is
// cut at the scanline's end, as runs never continue into the next one. False when the data
// ends first, the rest of the line left as it was.
bool DecodePcxScanline(FlicReader& in, BYTE* line, LONG length);

// BI_RLE8 (or, with nibbles, BI_RLE4) data of a bottom-up picture of width x height, as 8-bit
// indices into window. Pixels that a delta or an early end of line skips keep what they had.
// Ends at the end-of-picture code, after the top row, or where the data ends.
void DecodeBmpRunLength(FlicReader& in, const PictureWindow& window, LONG width, LONG height,
                        bool nibbles);
