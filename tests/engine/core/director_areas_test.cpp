// The dirty-area table: clipping, 4-pixel columns, merging, and the invariant that live
// areas never overlap while still covering everything invalidated.
#include "stage_fixture.h"

#include "platform/testing/memory.h"

#include <random>

namespace {

using AreaList = std::vector<RECT>;

class DirectorAreasTest : public StageTest {
protected:
    void SetUp() override {
        StageTest::SetUp();
        MakeStage(640, 480);
        stage->Present(); // forget the construction's areas
    }
    AreaList After(std::initializer_list<RECT> rects) {
        for (const RECT& r : rects)
            stage->Invalidate(r);
        return Areas();
    }
};

TEST_F(DirectorAreasTest, ClipsToTheStageAndWidensToFourPixelColumns) {
    EXPECT_EQ(After({{-10, -10, 5, 5}}), (AreaList{{0, 0, 8, 5}}));
    stage->Present();
    EXPECT_EQ(After({{3, 0, 5, 10}}), (AreaList{{0, 0, 8, 10}}));
    stage->Present();
    EXPECT_EQ(After({{700, 0, 800, 10}, {10, 10, 10, 20}, {0, 500, 10, 600}}), AreaList{});
}

TEST_F(DirectorAreasTest, MergesNeighboursAndAddsOnlyThePartsOutsideAnOverlap) {
    EXPECT_EQ(After({{0, 0, 8, 10}, {0, 10, 8, 20}}), (AreaList{{0, 0, 8, 20}}));
    stage->Present();
    EXPECT_EQ(After({{0, 0, 8, 10}, {8, 0, 16, 10}}), (AreaList{{0, 0, 16, 10}}));
    stage->Present();
    EXPECT_EQ(After({{0, 0, 16, 16}, {8, 8, 24, 24}}),
              (AreaList{{0, 0, 16, 16}, {16, 8, 24, 16}, {8, 16, 24, 24}}));
    const int used = stage->areaUsed;
    EXPECT_EQ(After({{4, 4, 12, 12}}).size(), 3u) << "inside an area: nothing added";
    EXPECT_EQ(used, stage->areaUsed);
    EXPECT_EQ(After({{0, 0, 200, 200}}), (AreaList{{0, 0, 200, 200}})) << "covers them all";
}

TEST_F(DirectorAreasTest, FullOrMissingTableDropsAreas) {
    stage->SetDirtyCapacity(3);
    EXPECT_EQ(After({{0, 0, 8, 8}, {100, 100, 108, 108}, {200, 200, 208, 208}}),
              (AreaList{{0, 0, 8, 8}, {100, 100, 108, 108}}));
    platform::testing::FailNextGlobalAllocs(1);
    stage->SetDirtyCapacity(10);
    platform::testing::FailNextGlobalAllocs(0);
    EXPECT_EQ(nullptr, stage->areas);
    platform::testing::ResetPresentCounts();
    stage->Invalidate(RECT{0, 0, 100, 100});
    stage->Update();
    EXPECT_EQ(0, platform::testing::PresentCount());
}

// Random rectangles on a small stage: the live areas are disjoint, lie on 4-pixel columns
// and cover exactly the invalidated rectangles widened to those columns.
TEST_F(DirectorAreasTest, RandomInvalidationsKeepAreasDisjointAndComplete) {
    constexpr int width = 64, height = 48;
    delete stage;
    stage = nullptr;
    platform::testing::ResetWindows();
    MakeStage(width, height, 4000);
    std::mt19937 random(7);
    auto coordinate = [&](int limit) { return int(random() % (limit + 8)) - 4; };
    for (int round = 0; round < 300; ++round) {
        stage->Present();
        std::vector<int> allowed(width * height, 0);
        for (int n = int(random() % 12) + 1; n > 0; --n) {
            RECT r = {coordinate(width), coordinate(height), coordinate(width), coordinate(height)};
            stage->Invalidate(r);
            for (int y = std::max<LONG>(r.top, 0); y < std::min<LONG>(r.bottom, height); ++y)
                for (int x = std::max<LONG>(r.left, 0); x < std::min<LONG>(r.right, width); ++x) {
                    for (int c = x & ~3; c < (x & ~3) + 4; ++c)
                        allowed[y * width + c] = 1;
                }
        }
        std::vector<int> covered(width * height, 0);
        for (const RECT& a : Areas()) {
            ASSERT_EQ(0, a.left % 4);
            ASSERT_EQ(0, a.right % 4);
            for (int y = a.top; y < a.bottom; ++y)
                for (int x = a.left; x < a.right; ++x) {
                    ASSERT_EQ(0, covered[y * width + x]++) << "overlap at " << x << "," << y;
                }
        }
        for (int i = 0; i < width * height; ++i)
            ASSERT_EQ(allowed[i], covered[i])
                << "pixel " << i % width << "," << i / width << " in round " << round;
    }
}

} // namespace
