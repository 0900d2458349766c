// Timed renderers under the virtual clock, and collision reports.
#include "stage_fixture.h"

namespace {

class DirectorFrameTest : public StageTest {
protected:
    void SetUp() override {
        StageTest::SetUp();
        MakeStage(200, 100);
    }
};

TEST_F(DirectorFrameTest, LateTickCarriesItsLatenessAndWaitIsTheEarliestDue) {
    ProbeRenderer slow("slow", {0, 0, 4, 4}), fast("fast", {0, 0, 4, 4});
    slow.period = 40;
    fast.period = 15;
    stage->AddRenderer(&slow);
    platform::testing::AdvanceClock(100);
    stage->AddRenderer(&fast);
    EXPECT_EQ(15u, stage->Update());
    EXPECT_EQ((std::vector<DWORD>{60}), slow.latenesses);
    EXPECT_TRUE(fast.latenesses.empty());
    platform::testing::AdvanceClock(10);
    EXPECT_EQ(5u, stage->Update());
    EXPECT_EQ(1u, slow.latenesses.size());
    slow.period = fast.period = 0;
    EXPECT_EQ(0u, stage->Update()) << "nothing timed";
}

TEST_F(DirectorFrameTest, ClockWrapStillMeasuresElapsedTime) {
    platform::testing::UseVirtualClock(0xFFFFFFF0u);
    ProbeRenderer timed("timed", {0, 0, 4, 4});
    timed.period = 30;
    stage->AddRenderer(&timed);
    platform::testing::AdvanceClock(50); // clock now reads 0x22
    stage->Update();
    EXPECT_EQ((std::vector<DWORD>{20}), timed.latenesses);
    EXPECT_EQ(0x22u, timed.lastTick);
}

// Only the renderer whose mask matches is told, and only within its z range.
TEST_F(DirectorFrameTest, HitsRespectMaskIdDepthRangeAndOverlap) {
    ProbeRenderer seeker("seeker", {0, 0, 20, 20}, 100), target("target", {10, 10, 30, 30}, 100),
        far("far", {0, 0, 20, 20}, 5000), apart("apart", {40, 40, 50, 50}, 100),
        touching("touching", {20, 0, 30, 10}, 100);
    seeker.hitMask = 0x2;
    for (ProbeRenderer* p : {&target, &far, &apart, &touching}) {
        p->hitId = 0x2;
        p->hitMask = 0;
    }
    seeker.SetDepth(100);
    far.SetDepth(100);
    for (ProbeRenderer* p : {&seeker, &target, &far, &apart, &touching})
        stage->AddRenderer(p);
    stage->CheckHits();
    EXPECT_EQ((std::vector<mRenderer*>{&target}), seeker.hits);
    EXPECT_TRUE(target.hits.empty());

    target.hitId = 0x4;
    seeker.hits.clear();
    stage->CheckHits();
    EXPECT_TRUE(seeker.hits.empty());
}

} // namespace
