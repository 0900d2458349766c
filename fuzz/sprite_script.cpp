// A sprite script compiled into a plain sprite and into an image sprite over a composite
// image, then run for a bounded number of ticks, with and without catch-up, drawing after
// each. The first byte picks catch-up and a second load of the same text.
#include "engine/core/mScript.h"
#include "engine/core/mSpriteImage.h"
#include "engine/gfx/mBitmap.h"
#include "engine/media/mImageBitmap.h"
#include "platform/testing/message_boxes.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int kTicks = 64;

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// Three cells of a 24 x 12 bitmap of distinct sizes and origins.
mImageBitmap* Composite(mBitmap& target) {
    auto* composite = new mImageBitmap;
    auto* bitmap = new mBitmap(24, 12, 8);
    const RECT cells[] = {{0, 0, 8, 8}, {8, 0, 24, 4}, {0, 8, 24, 12}};
    for (int i = 0; i < 3; ++i)
        composite->AddCell(bitmap, &cells[i], i * 3 - 2, i, DWORD(10 * i), nullptr);
    composite->SetTarget(&target);
    composite->SetTransparent(TRUE);
    return composite;
}

void Load(mSprite& sprite, const std::vector<char>& text, bool twice) {
    for (int load = 0; load < (twice ? 2 : 1); ++load) {
        std::vector<char> copy = text; // the scanner writes into the text
        mFile stream;
        stream.OpenMemory(copy.data(), LONG(copy.size()));
        sprite.LoadScript(&stream);
        stream.Close();
    }
}

void Run(mSprite& sprite, bool catchUp) {
    sprite.SetCatchUp(catchUp);
    sprite.Start(0);
    const RECT everywhere = {-100, -100, 100, 100};
    for (int tick = 0; tick < kTicks; ++tick) {
        sprite.Tick(DWORD(tick * 7));
        Check(!sprite.program || sprite.pc <= DWORD(sprite.program->count));
        sprite.Draw(&everywhere, 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const bool catchUp = data[0] & 1, twice = data[0] & 2;
    const std::vector<char> text(data + 1, data + size);
    {
        mSprite plain;
        Load(plain, text, twice);
        Run(plain, catchUp);
    }
    mBitmap target(64, 48, 8);
    {
        mSpriteImage pictured;
        pictured.SetImage(Composite(target));
        Load(pictured, text, twice);
        Run(pictured, catchUp);
    }
    Check(target.useCount == 0);
    platform::testing::ClearMessageBoxes(); // reports are recorded; keep memory flat
    return 0;
}
