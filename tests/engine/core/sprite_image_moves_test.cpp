// Transparent sprites of the real lettering animation moving, bouncing and turning over a
// stage: a move invalidates only the parts of frames that show, and what is composed frame
// by frame must equal the stage composed whole.
#include "stage_fixture.h"

#include "engine/core/mSpriteImage.h"
#include "engine/media/mImageFlic.h"
#include "tests/support/source_tree.h"

#include <memory>

namespace {

constexpr LONG kStageWidth = 240, kStageHeight = 160;

class SpriteImageMovesTest : public StageTest {
protected:
    void SetUp() override {
        StageTest::SetUp();
        MakeStage(kStageWidth, kStageHeight);
        bytes = SourceTreeBytes("resources/flic/small.flc");
        image = new mImageFlic;
        image->OpenMemory(bytes.data(), LONG(bytes.size()));
        // The stage starts with the animation's colours, which the sprites then map into.
        if (image->ReadHeader()) stage->SetPalette(image->playbackInfo->palette, 0, 256);
    }
    void TearDown() override {
        sprites.clear();
        StageTest::TearDown();
    }

    void Place(LONG x, LONG y, LONG dx, LONG dy) {
        auto sprite = std::make_unique<mSpriteImage>();
        sprite->SetImage(image);
        sprite->SetImageTransparent(TRUE);
        // Mapped into the stage's colours: an image imposing its own would have the
        // background redraw under every sprite, hiding what the moves leave out.
        sprite->SetImageRemap(TRUE);
        sprite->SetPosition(x, y, LONG(sprites.size()) + 1);
        stage->AddRenderer(sprite.get());
        sprites.push_back({std::move(sprite), dx, dy});
    }

    // As the saver moves them: a step along each axis, turning back at the stage's edges.
    void MoveAll() {
        for (Mover& m : sprites) {
            const RECT& at = m.sprite->rect;
            if (at.left + m.dx < 0 || at.right + m.dx > kStageWidth) m.dx = -m.dx;
            if (at.top + m.dy < 0 || at.bottom + m.dy > kStageHeight) m.dy = -m.dy;
            m.sprite->MoveBy(m.dx, m.dy, 0);
        }
    }

    // Rotates the stage's colours by one step, as the colour animation does: the sprites
    // map their frames anew, and what they show must be redrawn.
    void ShiftColours() {
        RGBQUAD shifted[256];
        const RGBQUAD* current = stage->info->colours;
        for (int i = 10; i <= 245; ++i) shifted[i] = current[i == 245 ? 10 : i + 1];
        stage->SetPalette(shifted + 10, 10, 236);
    }

    std::vector<BYTE> StagePixels() const {
        const mBitmapInfo& info = *stage->info;
        std::vector<BYTE> pixels;
        for (LONG y = 0; y < info.height; ++y)
            pixels.insert(pixels.end(), info.topRow + y * info.pitch,
                          info.topRow + y * info.pitch + info.width);
        return pixels;
    }

    struct Mover {
        std::unique_ptr<mSpriteImage> sprite;
        LONG dx, dy;
    };
    std::vector<BYTE> bytes;
    mImageFlic* image = nullptr;
    std::vector<Mover> sprites;
};

TEST_F(SpriteImageMovesTest, FramesComposedAsTheyComeEqualTheStageComposedWhole) {
    ASSERT_FALSE(bytes.empty());
    // Overlapping sprites, some moving further in a frame than the frame's transparent
    // margins, over more frames than the animation has.
    Place(40, 40, 3, 1);
    Place(60, 50, -2, 3);
    Place(150, 90, 11, -2);
    Place(200, 120, -13, -12);
    const RECT whole{0, 0, kStageWidth, kStageHeight};
    for (int n = 0; n < 200; ++n) {
        // Every third frame the colours shift while everything stands.
        if (n % 3 == 0) {
            ShiftColours();
        } else {
            MoveAll();
            platform::testing::AdvanceClock(30);
        }
        stage->Update();
        const std::vector<BYTE> incremental = StagePixels();
        stage->Invalidate(whole);
        stage->Compose();
        ASSERT_EQ(incremental, StagePixels()) << "frame " << n;
        stage->Present();
    }
}

TEST_F(SpriteImageMovesTest, AMoveRedrawsOnlyWhatTheFramesShow) {
    ProbeRenderer backdrop("backdrop", RECT{0, 0, kStageWidth, kStageHeight}, 100);
    stage->AddRenderer(&backdrop);
    Place(60, 60, 2, 0);
    stage->Update();
    const RECT frame = sprites[0].sprite->rect;
    const RECT shows = image->FrameBounds(LONG(sprites[0].sprite->frame));
    // The lettering leaves margins of its frame transparent.
    ASSERT_LT(shows.right - shows.left, frame.right - frame.left);

    backdrop.drawn.clear();
    MoveAll();
    stage->Compose();
    // The shown part where it stood and where it stands now, two pixels to the right, in
    // the stage's whole 4-pixel columns.
    const RECT both{(frame.left + shows.left) & ~3, frame.top + shows.top,
                    (frame.left + 2 + shows.right + 3) & ~3, frame.top + shows.bottom};
    ASSERT_FALSE(backdrop.drawn.empty());
    for (const RECT& area : backdrop.drawn) {
        EXPECT_GE(area.left, both.left);
        EXPECT_GE(area.top, both.top);
        EXPECT_LE(area.right, both.right);
        EXPECT_LE(area.bottom, both.bottom);
    }
    stage->RemoveRenderer(&backdrop);
}

} // namespace
