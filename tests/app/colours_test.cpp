// The colour steps on a real stage: the base palette captured once, entries 10 to 245
// mapped through the stored hue and mode, animation wrapping, and every target reached.
#include "app/ColourMapping.h"
#include "app/Colours.h"
#include "app/Settings.h"
#include "tests/engine/core/stage_fixture.h"
#include "tests/support/temporary_registry.h"

#include <climits>

namespace {

ColourValue ValueOf(const RGBQUAD& q) {
    return ColourValue(q.rgbRed) << 16 | ColourValue(q.rgbGreen) << 8 | q.rgbBlue;
}

bool AllOnes(const RGBQUAD& q) {
    return q.rgbRed == 255 && q.rgbGreen == 255 && q.rgbBlue == 255 && q.rgbReserved == 255;
}

class ColourSteps : public StageTest {
protected:
    void SetUp() override {
        StageTest::SetUp();
        SelectSettingsKey(nullptr, kSettingsKeyPath);
        MakeStage(320, 240);
        ramp = Ramp();
        stage->SetPalette(ramp.data(), 0, 256);
    }

    void ExpectMapped(const mBitmap& bitmap, int hue, bool shift) {
        for (int i = kFirstMappedColour; i <= kLastMappedColour; ++i)
            ASSERT_EQ(ValueOf(bitmap.info->colours[i]), MapColour(ValueOf(ramp[i]), hue, shift))
                << "entry " << i;
    }

    TemporaryRegistry registry;
    std::vector<RGBQUAD> ramp;
    ColourState colours;
};

TEST_F(ColourSteps, StartMapsTheStageColoursThroughTheStoredSettings) {
    WriteSetting(kHueSetting, 300);
    WriteSetting(kShiftColourSetting, 0);
    WriteSetting(kAnimateColourSetting, 2);
    StartColours(colours, *stage);
    EXPECT_EQ(colours.hue, 300) << "kept as stored";
    EXPECT_FALSE(colours.shiftColours);
    EXPECT_TRUE(colours.animateColours);
    ExpectMapped(*stage, 300, false);
    for (int i : {0, 9, 246, 255}) {
        EXPECT_TRUE(AllOnes(colours.basePalette[i])) << i;
        EXPECT_TRUE(AllOnes(colours.workPalette[i])) << i;
    }
    EXPECT_EQ(ValueOf(colours.basePalette[10]), ValueOf(ramp[10]));

    colours.animateColours = false;
    EXPECT_FALSE(AnimateColours(colours, {stage}));
    EXPECT_EQ(colours.hue, 300);
}

TEST_F(ColourSteps, AnimationWrapsAndAFullCycleLosesNothing) {
    WriteSetting(kAnimateColourSetting, 1);
    WriteSetting(kHueSetting, 255);
    StartColours(colours, *stage);
    const auto startPalette = colours.workPalette;
    mBitmap header;
    ASSERT_TRUE(header.Create(16, 16, 8));
    ColourTargets targets{stage, &header};

    ASSERT_TRUE(AnimateColours(colours, targets));
    EXPECT_EQ(colours.hue, 0);
    ExpectMapped(*stage, 0, true);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(ValueOf(header.info->colours[i]), ValueOf(stage->info->colours[i])) << i;

    for (int step = 0; step < 255; ++step)
        AnimateColours(colours, targets);
    EXPECT_EQ(colours.hue, 255);
    for (int i = kFirstMappedColour; i <= kLastMappedColour; ++i)
        ASSERT_EQ(ValueOf(colours.workPalette[i]), ValueOf(startPalette[i])) << i;
}

TEST_F(ColourSteps, AnimationFromTheExtremesOfAStoredHue) {
    WriteSetting(kAnimateColourSetting, 1);
    for (auto [stored, next] : {std::pair{INT_MAX, 0}, {INT_MIN, INT_MIN + 1}, {-1, 0}}) {
        WriteSetting(kHueSetting, stored);
        stage->SetPalette(ramp.data(), 0, 256); // a fresh build captures the sprites' colours
        StartColours(colours, *stage);
        ExpectMapped(*stage, stored, true);
        ASSERT_TRUE(AnimateColours(colours, {stage}));
        EXPECT_EQ(colours.hue, next) << stored;
        ExpectMapped(*stage, next, true);
    }
}

} // namespace
