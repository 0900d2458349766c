#include "engine/core/mSpriteImage.h"

#include "engine/core/mDirector.h"
#include "engine/media/mImage.h"
#include "engine/media/mImageBitmap.h"

#include <algorithm>
#include <cstdint>

namespace {

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Scripts place sprites anywhere: a frame near the ends of the coordinate range stays there
// instead of overflowing into view.
RECT Saturated(int64_t left, int64_t top, int64_t right, int64_t bottom) {
    auto clamp = [](int64_t v) { return LONG(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
    return {clamp(left), clamp(top), clamp(right), clamp(bottom)};
}

// part, in frame coordinates, moved to the frame standing at `at`.
RECT Placed(const RECT& part, const RECT& at) {
    return Saturated(int64_t(part.left) + at.left, int64_t(part.top) + at.top,
                     int64_t(part.right) + at.left, int64_t(part.bottom) + at.top);
}

} // namespace

mSpriteImage::mSpriteImage() {
    state |= Loop;
}

mSpriteImage::~mSpriteImage() {
    ReleaseImage();
}

void mSpriteImage::ReleaseImage() {
    if (!image) return;
    image->useCount -= 1;
    if (image->useCount == 0) delete image;
    image = nullptr;
}

// The new hold is taken before the old one is given back, so handing over the image already
// held never destroys it.
void mSpriteImage::SetImage(mImage* newImage) {
    if (newImage) newImage->useCount += 1;
    ReleaseImage();
    image = newImage;
    if (!image) return;
    image->ReadHeader();
    image->SetAutoAdvance(0);
    period = ScaledPeriod(DWORD(image->playbackInfo->frameTime));
    if (director) image->SetTarget(director);
}

void mSpriteImage::SetImageTransparent(BOOL on) {
    if (image) image->SetTransparent(on);
}

void mSpriteImage::SetImageRemap(BOOL on) {
    if (image) image->SetRemap(on);
}

void mSpriteImage::OnAttach() {
    if (!image) return;
    image->SetTarget(director);
    image->ReadHeader();
    period = ScaledPeriod(DWORD(image->playbackInfo->frameTime));
    ApplyPaletteRule();
    if (!Has(Paused)) Start(0);
}

// A shared image keeps its target while another sprite on the stage still shows it. Holds
// alone cannot tell: when a stage is destroyed all its sprites leave at once, and an image
// still holding that stage would later give back a hold on a stage that no longer exists.
void mSpriteImage::OnDetach() {
    if (!image) return;
    if (!ShownByAnotherSprite()) image->SetTarget(nullptr);
    static_cast<mMedia*>(image)->Stop();
}

bool mSpriteImage::ShownByAnotherSprite() const {
    mRenderer* const first = director->renderers;
    if (!first) return false;
    const mRenderer* renderer = first;
    do {
        const auto* sprite = dynamic_cast<const mSpriteImage*>(renderer);
        if (sprite && sprite != this && sprite->image == image) return true;
        renderer = renderer->next;
    } while (renderer != first);
    return false;
}

void mSpriteImage::OnPaletteChanged() {
    if (image) image->RemapColours();
}

void mSpriteImage::Start(DWORD instruction) {
    mSprite::Start(instruction);
    if (image) static_cast<mMedia*>(image)->Play(0, 0);
}

void mSpriteImage::Pause() {
    mSprite::Pause();
    if (image) static_cast<mMedia*>(image)->Pause();
}

void mSpriteImage::Resume() {
    mSprite::Resume();
    if (image) static_cast<mMedia*>(image)->Play(0, 1);
}

// The shared image may stand at another sprite's frame; it is moved to this one first.
void mSpriteImage::Draw(const RECT* rects, int count) {
    if (Has(Hidden) || !image) return;
    if (image->playbackInfo->currentFrame != LONG(frame)) image->SeekFrame(LONG(frame), 0);
    const RECT at = FrameRect();
    for (int i = 0; i < count; ++i)
        image->Draw(at.left, at.top, &rects[i]);
    // A frame stepped without a move (a script's jump) may reach past what was shown.
    const RECT drawn = ShownPart(at);
    UnionRect(&shown, &shown, &drawn);
}

void mSpriteImage::Tick(DWORD lateness) {
    if (Has(Paused) || !image || image->formatInfo->frameCount < 1) return;
    do
        StepFrame(lateness);
    while (Has(Repeat));
    SetPosition(x, y, z);
    ApplyPaletteRule();
}

void mSpriteImage::StepFrame(DWORD& lateness) {
    const PlaybackInfo& playback = *image->playbackInfo;
    const DWORD frameCount = DWORD(image->formatInfo->frameCount);
    state &= ~DWORD(Repeat);
    period = 0;
    if (program)
        RunProgram();
    else
        frame += 1;
    if (frame >= frameCount) {
        if (!Has(Loop)) {
            // A stopped animation is no longer timed.
            frame = frameCount - 1;
            image->SeekFrame(LONG(frame), 0);
            return;
        }
        frame = 0;
    }
    image->SeekFrame(LONG(frame), 0);
    // A DELAY of the script stands for this step's frame time.
    period = ScaledPeriod(period != 0 ? period : DWORD(playback.frameTime));
    if (!Has(CatchUp) || period == 0) return;
    if (lateness >= period) {
        lateness -= period;
        state |= Repeat;
    } else {
        // The next tick comes that much sooner.
        period -= lateness;
    }
}

// Standing still with the same frame size, only what the new frame changed is redrawn;
// moving, what the old frames showed and what the new one shows.
void mSpriteImage::SetPosition(LONG newX, LONG newY, LONG newZ) {
    x = newX;
    y = newY;
    if (newZ > 0 && newZ != z) {
        z = newZ;
        if (director) director->ReorderRenderer(this);
    }
    if (!image) return;
    const RECT fresh = FrameRect();
    const RECT freshShown = ShownPart(fresh);
    if (!Has(Hidden) && director) {
        if (SameRect(fresh, rect)) {
            director->Invalidate(Placed(image->playbackInfo->changed, fresh));
        } else {
            director->Invalidate(freshShown);
            director->Invalidate(shown);
        }
    }
    // Standing still, pixels the old frame showed outside the new one's part changed, so
    // its changed rectangle covers them.
    shown = freshShown;
    rect = fresh;
    hitRect = fresh;
}

RECT mSpriteImage::ShownPart(const RECT& at) const {
    return Placed(image->FrameBounds(LONG(frame)), at);
}

RECT mSpriteImage::FrameRect() const {
    const PlaybackInfo& playback = *image->playbackInfo;
    int64_t left = int64_t(x) - originX;
    int64_t top = int64_t(y) - originY;
    if (useImageOrigin) {
        left -= playback.originX;
        top -= playback.originY;
    }
    return Saturated(left, top, left + playback.width, top + playback.height);
}

// An image that is not remapped into the stage's colours imposes its own on the stage.
void mSpriteImage::ApplyPaletteRule() {
    const PlaybackInfo& playback = *image->playbackInfo;
    if (director && playback.paletteChanged && !playback.remap)
        director->SetPalette(playback.palette, 0, 256);
}

// The same text is read twice: as a script, then, for a composite image, as the description
// of its cells. A closed stream has nothing to read again (and seeking it would report).
int mSpriteImage::LoadScript(mFile* stream) {
    if (!stream || !stream->State()->open) return 1;
    const StreamState& text = *stream->State();
    const LONG start = text.bufferOffset + LONG(text.current - text.bufferStart);
    mSprite::LoadScript(stream);
    stream->Seek(start, 0);
    if (image && image->formatInfo->typeTag == kCompositeTag) {
        if (auto* composite = dynamic_cast<mImageBitmap*>(image))
            composite->ParseDescription(stream);
    }
    return 1;
}
