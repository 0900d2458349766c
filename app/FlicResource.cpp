#include "app/FlicResource.h"

#include <new>

#include "engine/core/mSpriteImage.h"
#include "engine/media/mImageFlic.h"
#include "platform/win32.h"

mImageFlic* OpenFlicResource(int resource) {
    const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(resource), "flic");
    const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return nullptr;
    auto* image = new (std::nothrow) mImageFlic;
    if (!image) return nullptr;
    if (image->OpenMemory(bytes, LONG(SizeofResource(nullptr, found))) && image->ReadHeader())
        return image;
    delete image;
    return nullptr;
}

mSpriteImage* NewPictureSprite(mImageFlic* image) {
    auto* sprite = new (std::nothrow) mSpriteImage;
    if (!sprite) {
        delete image;
        return nullptr;
    }
    sprite->SetImage(image);
    sprite->SetImageRemap(0);
    sprite->SetImageTransparent(1);
    return sprite;
}
