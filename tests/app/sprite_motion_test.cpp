// The program's generator and the drift and bounce of sprite slots.
#include "app/SpriteMotion.h"

#include <gtest/gtest.h>

namespace {

TEST(SaverRandom, FollowsItsRecurrenceFromTheSeed) {
    SaverRandom random;
    random.Seed(1);
    for (int expected : {41, 18467, 6334, 26500, 19169})
        EXPECT_EQ(random.Draw(), expected);
}

// How many draws lead from one generator state to another (-1 beyond 60).
int DrawsBetween(uint32_t before, uint32_t after) {
    SaverRandom walk;
    walk.Seed(before);
    for (int draws = 0; draws <= 60; ++draws, walk.Draw())
        if (walk.State() == after) return draws;
    return -1;
}

TEST(PickDirection, DrawsTwentySixAndSplitsTheEighthAndLastAtTheirThresholds) {
    struct Case {
        uint32_t seed;
        int eighth, twentySixth; // its 8th and 26th draws
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
        EXPECT_EQ(DrawsBetween(c.seed, random.State()), 26);
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

TEST_F(Motion, MovesBySpeedAndClampsAtTheEdges) {
    field.moveSpeed = 3;
    SpriteSlot inside{100, 200, -1, 1};
    const uint32_t before = field.random.State();
    StepSlot(inside, 70, 70, field);
    EXPECT_EQ(inside.posX, 97);
    EXPECT_EQ(inside.posY, 203);
    EXPECT_EQ(field.random.State(), before) << "no draws inside";

    for (int trial = 0; trial < 100; ++trial) {
        SpriteSlot left{0, 300, -1, 0};
        StepSlot(left, 70, 70, field);
        EXPECT_EQ(left.posX, 0);
        EXPECT_GE(left.dirX, 0) << "sent right or straight";
    }
    field.moveSpeed = 1;
    SpriteSlot right{893, 300, 1, 0};
    StepSlot(right, 130, 130, field);
    EXPECT_EQ(right.posX, 894) << "limitX = 1024 - 130";
    EXPECT_LE(right.dirX, 0);
    SpriteSlot odd{2000, 300, 1, 0};
    StepSlot(odd, 71, 71, field);
    EXPECT_EQ(odd.posX, 954) << "1024 - 2 * (71 / 2)";
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

} // namespace
