// Reading a wave format ("fmt " chunk, or the bare format of an AVI sound stream) from its
// bytes alone, whatever they claim: pure functions over a bounded block.
#pragma once

#include "platform/win32.h"

// Bytes to keep for a format of `chunkSize` bytes: at least a whole WAVEFORMATEX, so that a
// short chunk (the 16-byte PCM form, or less) reads as zeros past its end, and at most the
// structure with the largest extra data its cbSize can name, so that a lying chunk size
// cannot ask for gigabytes.
DWORD WaveFormatBlockSize(DWORD chunkSize);

// The fields of the format held in [bytes, bytes + size); those past size read as 0.
WAVEFORMATEX ReadWaveFormat(const BYTE* bytes, DWORD size);
