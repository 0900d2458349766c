// The optional default-palette resource: a logical palette in a RIFF "PAL " form.
#pragma once

#include "platform/win32.h"

// Copies the entries that the form's "data" chunk holds (version, count, then red, green,
// blue, flags per entry) into `table`, at most 256; entries beyond the chunk or the block are
// left as they are, and so is the whole table when the block is not such a form.
void ReadPaletteResource(const void* bytes, DWORD size, RGBQUAD* table);
