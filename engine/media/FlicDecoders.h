// Decoders of the FLIC sub-chunks. Each reads its data in place through the reader, writes
// pixels into the frame (or entries into the colour table) and widens the changed rectangle
// to cover what it touched. Malformed data (a run past a row's end, a row past the last, a
// column skip beyond the width, data that ends early) ends that sub-chunk's decode; nothing
// outside the frame is ever written and nothing beyond the stream's data is read.
#pragma once

#include "engine/media/FlicFormat.h"
#include "engine/media/FlicReader.h"

// The frame bitmap's rows as the decoders see them: row r starts at topRow + r * pitch.
struct FlicCanvas {
    BYTE* topRow;
    LONG pitch;
    LONG width;
    LONG height;

    BYTE* Row(LONG r) const { return topRow + ptrdiff_t(r) * pitch; }
    void WholeFrame(RECT& changed) const { changed = RECT{0, 0, width, height}; }
};

// COLOR_256 with shift 0, COLOR_64 with shift 2; the changed rectangle is left alone.
void DecodeFlicColours(FlicReader& in, RGBQUAD* palette, int shift);
// DELTA_FLC (SS2), the word-oriented line delta.
void DecodeFlicDeltaFlc(FlicReader& in, const FlicCanvas& frame, RECT& changed);
// DELTA_FLI (LC), the byte-oriented line delta.
void DecodeFlicDeltaFli(FlicReader& in, const FlicCanvas& frame, RECT& changed);
// BLACK, BYTE_RUN and FLI_COPY cover the whole frame.
void DecodeFlicBlack(const FlicCanvas& frame, RECT& changed);
void DecodeFlicByteRun(FlicReader& in, const FlicCanvas& frame, RECT& changed);
void DecodeFlicCopy(FlicReader& in, const FlicCanvas& frame, RECT& changed);
