// A whole still picture from memory: the header, pages, and drawing at places and clips
// chosen by the input onto small targets of either row order, 8 and 24 bits deep.
#pragma once

#include "engine/gfx/mBitmap.h"
#include "engine/media/mImage.h"
#include "platform/testing/message_boxes.h"

#include <cstdint>
#include <vector>

namespace picturefuzz {

// Pictures larger than this only make iterations slow (a header may ask for hundreds of
// megabytes); the readers take the same paths when small, and the size caps have tests.
inline bool TooLarge(uint64_t pixels) {
    return pixels > 512 * 512;
}

inline void DrawEverywhere(mImage& image, const uint8_t* data, size_t size) {
    const LONG width = image.playbackInfo->width, height = image.playbackInfo->height;
    const LONG pages = image.formatInfo->frameCount;
    for (LONG i = 0; i < 6; ++i) {
        const uint8_t choice = size > size_t(i) ? data[size - 1 - i] : 0;
        image.SeekFrame(LONG(choice % 4) - 1, choice >> 6);
        RECT clip{LONG(choice % 7) - 2, LONG(choice % 5), 30 - LONG(choice % 9), 200};
        image.Draw(LONG(choice % 11) - 5 - (i == 5 ? width : 0),
                   LONG(choice % 13) - 6 - (i == 4 ? height : 0), i % 2 ? &clip : nullptr);
    }
    image.SeekFrame(pages - 1, 0);
    image.Draw(1, 1, nullptr);
}

template <class Image> int Exercise(const uint8_t* data, size_t size) {
    // Exactly the bytes given, so a read past them is a heap overflow.
    std::vector<uint8_t> bytes(data, data + size);
    const uint8_t flags = size > 0 ? data[size / 2] : 0;
    {
        Image image;
        image.OpenMemory(bytes.data(), LONG(bytes.size()));
        if (image.ReadHeader()) {
            mBitmap target;
            target.Create(23, (flags & 1) ? -17 : 17, (flags & 2) ? 24 : 8);
            image.SetTarget(&target);
            DrawEverywhere(image, data, size);
            image.SetTarget(nullptr);
        }
    }
    platform::testing::ClearMessageBoxes();
    return 0;
}

} // namespace picturefuzz
