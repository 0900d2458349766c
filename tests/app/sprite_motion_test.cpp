// The program's generator and the drift and bounce of sprite slots.
#include "app/SpriteMotion.h"

#include <gtest/gtest.h>

namespace {

TEST(SaverRandom, FollowsItsRecurrenceFromTheSeed) {
    SaverRandom random;
    random.Seed(1);
    for (int expected : {41, 18467, 6334, 26500, 19169})
        EXPECT_EQ(random.Draw(), expected);
    random.Seed(0xFFFFFFFF);
    random.Draw();
    EXPECT_EQ(random.State(), 0xFFFFFFFFu * 214013u + 2531011u) << "wraps modulo 2^32";
}

TEST(PickDirection, DrawsTwentySixAndNeverStandsStill) {
    int zeroX = 0;
    for (uint32_t seed = 0; seed < 20000; ++seed) {
        SaverRandom random, reference;
        random.Seed(seed);
        reference.Seed(seed);
        SpriteSlot slot;
        PickDirection(slot, random);
        reference.Discard(26);
        ASSERT_EQ(random.State(), reference.State());
        ASSERT_FALSE(slot.dirX == 0 && slot.dirY == 0) << seed;
        ASSERT_TRUE(slot.dirX == -1 || slot.dirX == 0 || slot.dirX == 1);
        ASSERT_TRUE(slot.dirY == -1 || slot.dirY == 0 || slot.dirY == 1);
        zeroX += slot.dirX == 0;
    }
    // dirX is 0 for draws below 799: about 2.4 % of directions.
    EXPECT_GT(zeroX, 300);
    EXPECT_LT(zeroX, 700);
}

TEST(PickDirection, SplitsTheEighthAndTwentySixthDrawsAtTheirThresholds) {
    struct Case {
        uint32_t seed;
        int eighth, twentySixth; // the draws, for the reader
        double dirX, dirY;
    };
    for (const Case& c : {Case{98658, 17583, 27969, 1, 1}, Case{103158, 17582, 17891, -1, 1},
                          Case{129660, 799, 20710, -1, 1}, Case{134160, 798, 10632, 0, -1},
                          Case{123369, 670, 16384, 0, 1}, Case{3206, 19090, 798, 1, 0},
                          Case{30570, 2132, 799, -1, -1}, Case{37434, 28869, 17583, 1, 1},
                          Case{10070, 13059, 17582, -1, -1}}) {
        SaverRandom random;
        random.Seed(c.seed);
        SpriteSlot slot;
        PickDirection(slot, random);
        EXPECT_EQ(slot.dirX, c.dirX) << c.seed;
        EXPECT_EQ(slot.dirY, c.dirY) << c.seed;
    }
}

class Motion : public ::testing::Test {
protected:
    Motion() {
        field.screenWidth = 1024;
        field.screenHeight = 768;
        field.random.Seed(7);
    }
    SpriteField field;
};

TEST_F(Motion, InsideTheStageMovesBySpeedWithoutDrawing) {
    field.moveSpeed = 3;
    SpriteSlot slot{100, 200, -1, 1};
    const uint32_t before = field.random.State();
    StepSlot(slot, 70, 70, field);
    EXPECT_EQ(slot.posX, 97);
    EXPECT_EQ(slot.posY, 203);
    EXPECT_EQ(field.random.State(), before);
}

TEST_F(Motion, LeftEdgeClampsAndSendsRightOrStraight) {
    field.moveSpeed = 3;
    for (int trial = 0; trial < 200; ++trial) {
        SpriteSlot slot{0, 300, -1, 0};
        StepSlot(slot, 70, 70, field);
        EXPECT_EQ(slot.posX, 0);
        EXPECT_GE(slot.dirX, 0);
    }
}

TEST_F(Motion, RightEdgeOfABigSpriteIsAt894) {
    SpriteSlot slot{893, 300, 1, 0};
    StepSlot(slot, 130, 130, field);
    EXPECT_EQ(slot.posX, 894) << "limitX = 1024 - 130";
    EXPECT_LE(slot.dirX, 0);
    // An odd frame width keeps the picture inside: 1024 - 2 * (71 / 2).
    SpriteSlot odd{2000, 300, 1, 0};
    StepSlot(odd, 71, 71, field);
    EXPECT_EQ(odd.posX, 954);
}

// How many draws lead from one generator state to another (-1 beyond 60).
int DrawsBetween(uint32_t before, uint32_t after) {
    SaverRandom walk;
    walk.Seed(before);
    for (int draws = 0; draws <= 60; ++draws, walk.Draw())
        if (walk.State() == after) return draws;
    return -1;
}

TEST_F(Motion, AtACornerTheSecondAxisUsesTheNewDirection) {
    int pickedTwice = 0, backIntoSide = 0;
    for (int trial = 0; trial < 400; ++trial) {
        SpriteSlot slot{0, 0, -1, -1};
        const uint32_t before = field.random.State();
        StepSlot(slot, 70, 70, field);
        const int draws = DrawsBetween(before, field.random.State());
        EXPECT_EQ(slot.posX, 0);
        if (draws == 26) {
            // The new direction already leads away from the top: no second pick.
            EXPECT_EQ(slot.dirY, 1);
            EXPECT_EQ(slot.posY, 1);
        } else {
            ASSERT_EQ(draws, 52);
            EXPECT_EQ(slot.posY, 0);
            EXPECT_GE(slot.dirY, 0);
            ++pickedTwice;
            backIntoSide += slot.dirX < 0;
        }
    }
    EXPECT_GT(pickedTwice, 0);
    EXPECT_GT(backIntoSide, 0) << "the second pick may point dirX back into the side";
}

TEST_F(Motion, LongDriftStaysOnTheStage) {
    field.moveSpeed = 5;
    SpriteSlot slot{400, 300, 1, -1};
    for (int step = 0; step < 20000; ++step) {
        StepSlot(slot, 130, 130, field);
        ASSERT_GE(slot.posX, 0);
        ASSERT_LE(slot.posX, 894);
        ASSERT_GE(slot.posY, 0);
        ASSERT_LE(slot.posY, 638);
        ASSERT_FALSE(slot.dirX == 0 && slot.dirY == 0);
    }
}

} // namespace
