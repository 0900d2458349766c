// Per frame of an animation, the bounds of the pixels a transparent draw puts on the target
// (those that are not the key colour), found once when the frame is first decoded. Sprites
// invalidate these bounds instead of the whole frame: rotating lettering leaves about half
// of its frame transparent, and every invalidated pixel is recomposed and presented.
#pragma once

#include "platform/win32.h"

struct mBitmapInfo;

class FrameOpaqueBounds {
public:
    FrameOpaqueBounds() = default;
    ~FrameOpaqueBounds();
    FrameOpaqueBounds(const FrameOpaqueBounds&) = delete;
    FrameOpaqueBounds& operator=(const FrameOpaqueBounds&) = delete;

    // Room for frameCount frames, none known. Without memory nothing is ever known, which
    // only costs larger invalidations.
    void Reset(LONG frameCount);
    // Forgets every frame's bounds (the key colour changed).
    void Forget();
    // Records frame n's bounds unless known already: pixels of frame other than key.
    void Record(LONG n, const mBitmapInfo& frame, BYTE key);
    // Frame n's bounds, or false while they are not known.
    bool Find(LONG n, RECT* bounds) const;

private:
    static constexpr LONG kUnknown = -1;
    RECT* bounds_ = nullptr;
    LONG count_ = 0;
};
