#include "app/PictureStages.h"

#include <new>

#include "app/FlicResource.h"
#include "app/SaverScene.h"
#include "app/SettingsDialog.h"
#include "engine/core/mDirector.h"
#include "engine/core/mSpriteImage.h"
#include "engine/media/mImageFlic.h"

namespace {

constexpr int kAreaSlots = 50;
// A picture control is its frame plus a margin on each side.
constexpr int kPictureMargin = 8;

// Moves the control to the picture's size, keeping its top-left corner, and puts a stage
// with the sprite on it.
mDirector* StageOnControl(HWND dialog, int control, mSpriteImage* sprite) {
    HWND box = GetDlgItem(dialog, control);
    if (!box) return nullptr;
    if (sprite) {
        const PlaybackInfo& frame = *sprite->image->playbackInfo;
        RECT place{};
        GetWindowRect(box, &place);
        POINT corner{place.left, place.top};
        ScreenToClient(dialog, &corner);
        MoveWindow(box, corner.x, corner.y, frame.width + kPictureMargin,
                   frame.height + kPictureMargin, TRUE);
    }
    auto* stage = new (std::nothrow) mDirector(box, kAreaSlots);
    mObject::resourceModule = GetModuleHandleA(nullptr);
    if (stage && sprite) stage->AddRenderer(sprite);
    if (stage) stage->SetPalette(saverScene.colours.workPalette.data(), 0, 256);
    return stage;
}

// Sprites before their stages: a sprite leaves its stage as it goes.
template <class Owned> void Destroy(Owned*& object) {
    delete object;
    object = nullptr;
}

} // namespace

mSpriteImage* LoadFlicPicture(int resource) {
    mImageFlic* image = OpenFlicResource(resource);
    if (!image) return nullptr;
    mSpriteImage* sprite = NewPictureSprite(image);
    if (!sprite) return nullptr;
    sprite->SetOrigin(0, 0);
    sprite->SetPosition(0, 0, settingsDialog.pictureDepthCounter++);
    return sprite;
}

void CreatePictureStages(HWND dialog) {
    SettingsDialogState& state = settingsDialog;
    state.pictureSpriteBig = LoadFlicPicture(kBigPictureResource);
    state.pictureSpriteSmall = LoadFlicPicture(kSmallPictureResource);
    state.pictureStageBig = StageOnControl(dialog, kBigPicture, state.pictureSpriteBig);
    state.pictureStageSmall = StageOnControl(dialog, kSmallPicture, state.pictureSpriteSmall);
}

void UpdatePictureStages() {
    const SettingsDialogState& state = settingsDialog;
    if (state.pictureStageBig) state.pictureStageBig->Update();
    if (state.pictureStageSmall) state.pictureStageSmall->Update();
}

void DestroyPictureStages() {
    SettingsDialogState& state = settingsDialog;
    Destroy(state.pictureSpriteBig);
    Destroy(state.pictureSpriteSmall);
    Destroy(state.pictureStageBig);
    Destroy(state.pictureStageSmall);
}
