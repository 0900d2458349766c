// Renderers on a stage: depth order, back-to-front composition clipped to the dirty areas,
// holds, and leaving the stage in every order.
#include "stage_fixture.h"

#include "engine/core/mRenderSolid.h"

namespace {

using platform::DisplayClass;

class DirectorRenderersTest : public StageTest, public ::testing::WithParamInterface<DisplayClass> {
protected:
    void SetUp() override {
        StageTest::SetUp();
        platform::testing::SetDisplayClass(GetParam());
        MakeStage(320, 240);
        const std::vector<RGBQUAD> ramp = Ramp();
        stage->SetPalette(ramp.data(), 0, 256);
        stage->Update();
    }
    COLORREF Shown(int x, int y) { return platform::testing::ShownPixel(window, x, y); }
    COLORREF ColourOf(int index) {
        const RGBQUAD& c = stage->info->colours[index];
        return RGB(c.rgbRed, c.rgbGreen, c.rgbBlue);
    }
};

TEST_P(DirectorRenderersTest, DrawsBackToFrontInDepthOrderWithTiesInArrivalOrder) {
    std::vector<std::string> log;
    ProbeRenderer a("5a", {0, 0, 40, 40}, 5, 20), b("1", {0, 0, 40, 40}, 1, 21),
        c("5b", {0, 0, 40, 40}, 5, 22), d("3", {0, 0, 40, 40}, 3, 23);
    for (ProbeRenderer* p : {&a, &b, &c, &d})
        stage->AddRenderer(p);
    stage->Present();
    for (ProbeRenderer* p : {&a, &b, &c, &d})
        p->log = &log;
    stage->Invalidate(RECT{0, 0, 40, 40});
    stage->Update();
    EXPECT_EQ((std::vector<std::string>{"1", "3", "5a", "5b"}), log);
    EXPECT_EQ(ColourOf(22), Shown(10, 10));
}

// Only the dirty areas reach the window: a pixel changed behind the stage's back outside
// them stays unshown.
TEST_P(DirectorRenderersTest, PresentCopiesExactlyTheDirtyAreas) {
    ProbeRenderer probe("p", {0, 0, 100, 100}, 1, 30);
    stage->AddRenderer(&probe);
    stage->Update();
    const COLORREF before = Shown(90, 90);
    RECT sneaky = {88, 88, 92, 92};
    stage->Fill(31, &sneaky, 1);
    platform::testing::ResetPresentCounts();
    stage->Invalidate(RECT{0, 0, 8, 8});
    stage->Invalidate(RECT{20, 20, 24, 30});
    stage->Update();
    std::vector<RECT> presented;
    for (const auto& record : platform::testing::Presents())
        presented.push_back(record.area);
    EXPECT_EQ((std::vector<RECT>{{0, 0, 8, 8}, {20, 20, 24, 30}}), presented);
    EXPECT_EQ(before, Shown(90, 90));
    EXPECT_EQ(ColourOf(30), Shown(21, 25));
    EXPECT_EQ(1, stage->areaUsed);
}

TEST_P(DirectorRenderersTest, HoldsFollowStandingOnTheStage) {
    ProbeRenderer probe("p", {0, 0, 10, 10});
    stage->AddRenderer(&probe);
    stage->AddRenderer(&probe);
    EXPECT_EQ(1, probe.useCount);
    stage->RemoveRenderer(&probe);
    stage->RemoveRenderer(&probe);
    EXPECT_EQ(0, probe.useCount);
    EXPECT_EQ(1, probe.detaches);
    mRenderer* background = stage->background;
    stage->Present();
    stage->RemoveRenderer(background); // the last one: nothing left to redraw
    EXPECT_EQ(nullptr, stage->renderers);
    EXPECT_EQ(1, stage->areaUsed);
    stage->AddRenderer(background);
}

INSTANTIATE_TEST_SUITE_P(BothDisplays, DirectorRenderersTest,
                         ::testing::Values(DisplayClass::TrueColour, DisplayClass::Palette));

} // namespace
