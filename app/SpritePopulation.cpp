#include "app/SpritePopulation.h"

#include <new>

#include "app/FlicResource.h"
#include "app/SpriteMotion.h"
#include "engine/core/mDirector.h"
#include "engine/core/mSpriteImage.h"
#include "engine/media/mImageFlic.h"

namespace {

double RandomCoordinate(SaverRandom& random, int extent) {
    random.Discard(10);
    return double(random.Draw()) * extent / 32767;
}

// An image no sprite took a hold on (every allocation failed) is not left behind.
void ReleaseIfUnheld(mImageFlic* image) {
    if (image && image->useCount == 0) delete image;
}

// Sprites in slots first to first + count - 1; returns the slot after them.
int CreateRun(SpriteField& field, mDirector& stage, mImage* image, int first, int count) {
    for (int i = 0; i < count; ++i)
        CreateSprite(field, stage, image, first + i);
    return first + count;
}

} // namespace

void CreateSprite(SpriteField& field, mDirector& stage, mImage* image, int slot) {
    SpriteSlot& place = field.slots[slot];
    place.sprite = new (std::nothrow) mSpriteImage;
    if (!place.sprite) return;
    mSpriteImage& sprite = *place.sprite;
    sprite.SetImage(image);
    sprite.SetImageRemap(0);
    sprite.SetImageTransparent(1);
    const PlaybackInfo& frame = *image->playbackInfo;
    sprite.SetOrigin(frame.width / 2, frame.height / 2);
    place.posX = RandomCoordinate(field.random, field.screenWidth);
    place.posY = RandomCoordinate(field.random, field.screenHeight);
    PickDirection(place, field.random);
    sprite.SetPosition(LONG(place.posX), LONG(place.posY), slot);
    stage.AddRenderer(&sprite);
}

bool CreateSprites(SpriteField& field, mDirector& stage) {
    bool opened = true;
    int next = 0;
    const int half = (field.smallCount + 1) / 2;
    mImageFlic* small = nullptr;
    if (field.smallCount >= 1) {
        small = OpenFlicResource(kSmallSpriteResource);
        opened = small != nullptr;
        if (small) next = CreateRun(field, stage, small, next, half);
    }
    if (field.bigCount > 0) {
        mImageFlic* big = OpenFlicResource(kBigSpriteResource);
        opened = opened && big;
        if (big) next = CreateRun(field, stage, big, next, field.bigCount);
        ReleaseIfUnheld(big);
    }
    if (small && field.smallCount > 1)
        CreateRun(field, stage, small, next, field.smallCount - half);
    ReleaseIfUnheld(small);
    return opened;
}

void DestroySprites(SpriteField& field, mDirector& stage) {
    for (SpriteSlot& slot : field.slots) {
        if (!slot.sprite) continue;
        stage.RemoveRenderer(slot.sprite);
        delete slot.sprite;
        slot.sprite = nullptr;
    }
}
