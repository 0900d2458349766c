#include "tools/media/ImageKinds.h"

#include "engine/media/mImageAVI.h"
#include "engine/media/mImageBMP.h"
#include "engine/media/mImageDCX.h"
#include "engine/media/mImageFlic.h"
#include "engine/media/mImagePCX.h"

#include <cctype>
#include <cstring>
#include <initializer_list>
#include <new>

namespace {

bool HasExtension(const char* file, const char* extension) {
    const char* dot = std::strrchr(file, '.');
    if (!dot || std::strlen(dot + 1) != std::strlen(extension)) return false;
    for (size_t i = 0; extension[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(dot[1 + i])) != extension[i]) return false;
    return true;
}

} // namespace

bool IsImageFile(const char* file) {
    for (const char* extension : {"fli", "flc", "bmp", "pcx", "dcx", "avi"})
        if (HasExtension(file, extension)) return true;
    return false;
}

mImage* NewImageFor(const char* file) {
    if (HasExtension(file, "bmp")) return new (std::nothrow) mImageBMP;
    if (HasExtension(file, "pcx")) return new (std::nothrow) mImagePCX;
    if (HasExtension(file, "dcx")) return new (std::nothrow) mImageDCX;
    if (HasExtension(file, "avi")) return new (std::nothrow) mImageAVI;
    return new (std::nothrow) mImageFlic;
}
