#include "app/SpriteMotion.h"

#include "engine/core/mSpriteImage.h"
#include "engine/media/mImage.h"

namespace {

double DirectionFrom(int draw) {
    if (draw < 799) return 0;
    return draw < 17583 ? -1 : +1;
}

// One axis against 0 and limit. At an edge both components are picked again and this
// axis's component is then made to point away from that edge.
void StepAxis(double& position, double& direction, double limit, SpriteSlot& slot,
              SpriteField& field) {
    const double next = position + field.moveSpeed * direction;
    if (next <= 0) {
        position = 0;
        PickDirection(slot, field.random);
        if (direction <= 0) direction = -direction;
    } else if (next >= limit) {
        position = limit;
        PickDirection(slot, field.random);
        if (direction >= 0) direction = -direction;
    } else {
        position = next;
    }
}

} // namespace

void PickDirection(SpriteSlot& slot, SaverRandom& random) {
    random.Discard(7);
    slot.dirX = DirectionFrom(random.Draw());
    random.Discard(17);
    const int draw = random.Draw();
    slot.dirY = slot.dirX == 0 ? (draw <= 16383 ? -1 : +1) : DirectionFrom(draw);
}

void StepSlot(SpriteSlot& slot, int frameWidth, int frameHeight, SpriteField& field) {
    const int limitX = field.screenWidth - 2 * (frameWidth / 2);
    const int limitY = field.screenHeight - 2 * (frameHeight / 2);
    StepAxis(slot.posX, slot.dirX, limitX, slot, field);
    StepAxis(slot.posY, slot.dirY, limitY, slot, field);
}

void MoveSprite(SpriteField& field, int slot) {
    SpriteSlot& moving = field.slots[slot];
    if (!moving.sprite || !moving.sprite->image) return;
    const PlaybackInfo& frame = *moving.sprite->image->playbackInfo;
    StepSlot(moving, frame.width, frame.height, field);
    moving.sprite->SetPosition(LONG(moving.posX) + frame.width / 2,
                               LONG(moving.posY) + frame.height / 2, -1);
}

void MoveSprites(SpriteField& field) {
    for (int slot = 0; slot < kSpriteSlots; ++slot)
        MoveSprite(field, slot);
}
