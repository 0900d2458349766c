// A sprite that shows the current frame of an image, usually one image shared by many
// sprites each at its own frame. It seeks the image to its own frame before drawing and,
// standing still, invalidates only the frame's changed rectangle.
#pragma once

#include "engine/core/mSprite.h"
#include "platform/win32.h"

class mImage;

class mSpriteImage : public mSprite {
public:
    mSpriteImage();
    // Releases the image as owner (destroying it on the last hold), then leaves the stage.
    virtual ~mSpriteImage();

    // Holds the new image as owner and releases the previous one; giving the image already
    // held keeps it. Invalidates nothing.
    void SetImage(mImage* newImage);
    void SetImageTransparent(BOOL on);
    void SetImageRemap(BOOL on);

    void OnAttach() override;
    void OnDetach() override;
    void Draw(const RECT* rects, int count) override;
    void Tick(DWORD lateness) override;
    void OnPaletteChanged() override;
    RECT ShownArea() const override { return shown; }
    void SetPosition(LONG newX, LONG newY, LONG newZ) override;
    void Start(DWORD instruction) override;
    void Pause() override;
    void Resume() override;
    // The script, then (when the image is a composite one) the same text again as the
    // description of its cells. Returns 1 whatever the script gave. Load before the sprite
    // joins a stage: joining takes the period from the image's first cell.
    int LoadScript(mFile* stream) override;

    mImage* image = nullptr;
    LONG useImageOrigin = 1;

private:
    void ReleaseImage();
    void ApplyPaletteRule();
    bool ShownByAnotherSprite() const;
    // Where the current frame stands on the stage.
    RECT FrameRect() const;
    // The part of the frame standing at `at` that the current frame draws on.
    RECT ShownPart(const RECT& at) const;
    // One frame step; sets Repeat when catch-up owes another.
    void StepFrame(DWORD& lateness);

    // What the sprite may have drawn on the stage since it last moved: the shown part of
    // each frame drawn there. A move invalidates only this, not the whole old frame.
    RECT shown = {0, 0, 0, 0};
};
