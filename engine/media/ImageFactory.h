// The image class for a file, chosen by its name's extension.
#pragma once

#include "engine/core/mObject.h"
#include "engine/media/mImage.h"

// The three characters after the first dot of name, upper-cased (fewer when the name ends
// sooner, none without a dot). A dot in a folder name therefore counts.
void ImageExtension(LPCSTR name, char extension[4]);
// A new, unopened image for the file: BMP, AVI, FLI, FLC, PCX and DCX. Any other extension is
// reported by reporter as "File type error" (class mImageBitmap) and gives null, as does a
// failed allocation (without a report).
mImage* CreateImageForFile(LPCSTR name, mObject& reporter);
