// Stage colours on both display classes: unchanged colours do nothing, the static colours of
// a palette device are never touched, and what each display shows after a change.
#include "stage_fixture.h"

#include "engine/core/mRenderSolid.h"

namespace {

using platform::DisplayClass;

class DirectorPaletteTest : public StageTest {
protected:
    void Begin(DisplayClass displayClass) {
        platform::testing::SetDisplayClass(displayClass);
        MakeStage(64, 32);
        stage->Update();
        stage->AddRenderer(&probe);
    }
    static std::vector<RGBQUAD> Grey(BYTE level) {
        return std::vector<RGBQUAD>(256, RGBQUAD{level, level, level, 0});
    }
    std::vector<RGBQUAD> Table() const {
        return {stage->info->colours, stage->info->colours + 256};
    }
    static bool Same(const RGBQUAD& a, const RGBQUAD& b) {
        return a.rgbRed == b.rgbRed && a.rgbGreen == b.rgbGreen && a.rgbBlue == b.rgbBlue;
    }
    ProbeRenderer probe{"probe", {0, 0, 8, 8}, 0, 50};
};

TEST_F(DirectorPaletteTest, UnchangedColoursNotifyNobody) {
    Begin(DisplayClass::TrueColour);
    const std::vector<RGBQUAD> grey = Grey(90);
    stage->SetPalette(grey.data(), 0, 256);
    const int notified = probe.paletteChanges;
    const DWORD version = stage->info->colourVersion;
    stage->SetPalette(grey.data(), 0, 256);
    EXPECT_EQ(notified, probe.paletteChanges);
    EXPECT_EQ(version, stage->info->colourVersion);
}

TEST_F(DirectorPaletteTest, PaletteDeviceKeepsItsStaticColours) {
    Begin(DisplayClass::Palette);
    const std::vector<RGBQUAD> before = Table();
    const std::vector<RGBQUAD> grey = Grey(90);
    stage->SetPalette(grey.data(), 0, 256);
    const std::vector<RGBQUAD> after = Table();
    for (int i = 0; i < 256; ++i) {
        const bool changeable = i >= 10 && i <= 245;
        EXPECT_TRUE(Same(changeable ? grey[i] : before[i], after[i])) << "entry " << i;
    }
    const int notified = probe.paletteChanges;
    const std::vector<RGBQUAD> bright = Grey(200);
    stage->SetPalette(bright.data(), 250, 3);
    EXPECT_EQ(notified, probe.paletteChanges);
    EXPECT_TRUE(Same(before[251], Table()[251]));
}

// A palette device shows the new colours at once; a true-colour window only after the
// stage has repainted (the background redraws itself on every colour change).
TEST_F(DirectorPaletteTest, ChangeShowsAtOnceOnPaletteDeviceAndAfterUpdateOnTrueColour) {
    for (DisplayClass displayClass : {DisplayClass::Palette, DisplayClass::TrueColour}) {
        SCOPED_TRACE(displayClass == DisplayClass::Palette ? "palette" : "true colour");
        Begin(displayClass);
        std::vector<RGBQUAD> colours = Grey(0);
        colours[probe.fillIndex] = {0, 0, 255, 0};
        stage->SetPalette(colours.data(), 0, 256);
        stage->Update();
        ASSERT_EQ(RGB(255, 0, 0), platform::testing::ShownPixel(window, 2, 2));
        colours[probe.fillIndex] = {255, 0, 0, 0};
        stage->SetPalette(colours.data(), 0, 256);
        const COLORREF beforeUpdate = platform::testing::ShownPixel(window, 2, 2);
        stage->Update();
        EXPECT_EQ(RGB(0, 0, 255), platform::testing::ShownPixel(window, 2, 2));
        EXPECT_EQ(displayClass == DisplayClass::Palette ? RGB(0, 0, 255) : RGB(255, 0, 0),
                  beforeUpdate);
        stage->RemoveRenderer(&probe);
        delete stage;
        stage = nullptr;
        platform::testing::ResetWindows();
    }
}

// What a colour step costs a true-colour window: the background redraws only where other
// renderers stand unless its own colour changed.
TEST_F(DirectorPaletteTest, BackgroundRedrawsWholeOnlyWhenItsOwnColourChanges) {
    Begin(DisplayClass::TrueColour);
    std::vector<RGBQUAD> colours = Grey(0);
    stage->SetPalette(colours.data(), 0, 256);
    stage->Update();
    const auto dirty = [&] {
        std::vector<RECT> areas;
        for (mDirtyArea* a = stage->areas[0].next; a != &stage->areas[0]; a = a->next)
            areas.push_back({a->left, a->top, a->right, a->bottom});
        return areas;
    };

    colours[probe.fillIndex] = {0, 255, 0, 0};
    stage->SetPalette(colours.data(), 0, 256);
    EXPECT_EQ(std::vector<RECT>{probe.rect}, dirty());
    stage->Update();
    EXPECT_EQ(RGB(0, 255, 0), platform::testing::ShownPixel(window, 2, 2));

    colours[stage->background->colourIndex] = {0, 0, 40, 0};
    stage->SetPalette(colours.data(), 0, 256);
    const RECT wholeStage = {0, 0, 64, 32};
    EXPECT_EQ(std::vector<RECT>{wholeStage}, dirty());
    stage->Update();
    EXPECT_EQ(RGB(0, 0, 0), platform::testing::ShownPixel(window, 40, 20));
}

} // namespace
