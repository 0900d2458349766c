// Stand-ins for an animation and a sound, so sprite tests control frame counts, timing,
// changed rectangles and palettes exactly.
#pragma once

#include "engine/gfx/mBitmap.h"
#include "engine/media/mImage.h"
#include "engine/media/mMedia.h"

#include <algorithm>
#include <vector>

// Every frame paints its whole rectangle with the frame number as colour index.
class FakeImage : public mImage {
public:
    FakeImage(LONG frames, LONG width, LONG height, LONG frameTime, bool* destroyedFlag = nullptr)
        : destroyed(destroyedFlag) {
        format.frameCount = frames;
        format.typeTag = ImageTag('F', 'A', 'K');
        playback.width = width;
        playback.height = height;
        playback.frameTime = frameTime;
        playback.changed = {0, 0, width, height};
        playback.palette = palette;
    }
    ~FakeImage() override {
        SetTarget(nullptr);
        if (destroyed) *destroyed = true;
    }

    BOOL ReadHeader() override {
        if (playback.currentFrame < 0) playback.currentFrame = 0;
        return TRUE;
    }
    LONG WriteHeader() override { return 0; }
    LONG Draw(LONG x, LONG y, const RECT* clip) override {
        RECT area = {std::max(x, clip->left), std::max(y, clip->top),
                     std::min(x + playback.width, clip->right),
                     std::min(y + playback.height, clip->bottom)};
        if (target && area.left < area.right && area.top < area.bottom)
            target->Fill(BYTE(playback.currentFrame), &area, 1);
        return playback.currentFrame;
    }
    LONG WriteFrame(LONG, LONG, LONG) override { return 0; }
    LONG SeekFrame(LONG n, LONG) override {
        seeks.push_back(n);
        playback.currentFrame = n;
        playback.changed = nextChanged;
        return n;
    }
    void RemapColours() override { ++remaps; }

    mBitmap* Target() const { return target; }
    void OfferPalette(const RGBQUAD& colour) {
        for (RGBQUAD& entry : palette)
            entry = colour;
        playback.paletteChanged = TRUE;
    }

    RECT nextChanged = {0, 0, 0, 0};
    std::vector<LONG> seeks;
    int remaps = 0;
    RGBQUAD palette[256] = {};
    bool* destroyed;
};

class FakeSound : public mMedia {
public:
    explicit FakeSound(bool* destroyedFlag) : destroyed(destroyedFlag) {}
    ~FakeSound() override { *destroyed = true; }
    LONG Play(DWORD duration, DWORD passes) override {
        played.push_back({duration, passes});
        return 1;
    }
    std::vector<std::pair<DWORD, DWORD>> played;
    bool* destroyed;
};
