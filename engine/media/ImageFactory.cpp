#include "engine/media/ImageFactory.h"

#include "engine/media/mImageAVI.h"
#include "engine/media/mImageBMP.h"
#include "engine/media/mImageDCX.h"
#include "engine/media/mImageFlic.h"
#include "engine/media/mImagePCX.h"

#include <cstring>
#include <new>

namespace {

struct ImageKind {
    const char* extension;
    mImage* (*create)();
};

template <class Image> mImage* Create() {
    return new (std::nothrow) Image;
}

// Compared exactly, in this order.
const ImageKind kKinds[] = {
    {"BMP", Create<mImageBMP>},  {"AVI", Create<mImageAVI>}, {"FLI", Create<mImageFlic>},
    {"FLC", Create<mImageFlic>}, {"PCX", Create<mImagePCX>}, {"DCX", Create<mImageDCX>},
};

} // namespace

void ImageExtension(LPCSTR name, char extension[4]) {
    const char* dot = std::strchr(name, '.');
    int length = 0;
    for (const char* p = dot ? dot + 1 : ""; length < 3 && p[length]; ++length)
        extension[length] =
            p[length] >= 'a' && p[length] <= 'z' ? char(p[length] - 'a' + 'A') : p[length];
    extension[length] = '\0';
}

mImage* CreateImageForFile(LPCSTR name, mObject& reporter) {
    char extension[4];
    ImageExtension(name, extension);
    for (const ImageKind& kind : kKinds)
        if (std::strcmp(kind.extension, extension) == 0) return kind.create();
    reporter.Error(classImageBitmap, errFileType, extension);
    return nullptr;
}
