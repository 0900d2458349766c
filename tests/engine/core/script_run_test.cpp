// Running sprite scripts from the sprite's tick: frames and cycles, flags and hit tests,
// motion and depth, speed and delay, sounds, catch-up, and the bound on one run.
#include "stage_fixture.h"

#include "engine/core/mScript.h"
#include "engine/core/mSpriteImage.h"
#include "sprite_fakes.h"
#include "tests/support/text_stream.h"

#include <climits>

namespace {

class ScriptRun : public StageTest {
protected:
    void SetUp() override {
        StageTest::SetUp();
        MakeStage(320, 200);
    }
    void TearDown() override {
        delete pictured;
        StageTest::TearDown();
    }
    static void Load(mSprite& sprite, const std::string& text) {
        TextStream stream(text);
        ASSERT_EQ(1, sprite.LoadScript(stream.get())) << text;
    }
    // An image sprite of a 180-frame, 20 x 10 stand-in with a 30 ms frame time, on the stage.
    mSpriteImage& Pictured(const std::string& script) {
        image = new FakeImage(180, 20, 10, 30);
        pictured = new mSpriteImage;
        pictured->SetImage(image);
        Load(*pictured, script);
        stage->AddRenderer(pictured);
        return *pictured;
    }

    mSprite sprite;
    FakeImage* image = nullptr;
    mSpriteImage* pictured = nullptr;
};

TEST_F(ScriptRun, ACycleEndsAtEndCycleAndLoopGoesRoundAgain) {
    Load(sprite, "FRAME 0\nENDCYCLE\n:1\nADVANCEFRAME 1\nLOOP 1\n");
    std::vector<DWORD> frames;
    for (int tick = 0; tick < 4; ++tick) {
        sprite.frame = 99;
        sprite.Tick(0);
        frames.push_back(sprite.frame);
    }
    EXPECT_EQ((std::vector<DWORD>{0, 100, 100, 100}), frames);
}

TEST_F(ScriptRun, PastItsLastInstructionTheSpriteNoLongerChangesItsFrame) {
    Load(sprite, "ADVANCEFRAME 5\n");
    sprite.Tick(0);
    EXPECT_EQ(5u, sprite.frame);
    sprite.Tick(0);
    sprite.Tick(0);
    EXPECT_EQ(5u, sprite.frame);
    EXPECT_EQ(1u, sprite.pc);
    sprite.Start(0);
    sprite.Tick(0);
    EXPECT_EQ(10u, sprite.frame);
}

// A GOTO to itself ends its cycle after a bounded number of instructions instead of holding
// the thread, and the next tick goes on from where it stopped.
TEST_F(ScriptRun, AnEndlessRunIsCutAndResumedOnTheNextTick) {
    Load(sprite, ":1\nADVANCEFRAME\nGOTO 1\n");
    sprite.Tick(0);
    const DWORD firstRun = sprite.frame;
    EXPECT_GT(firstRun, 100u);
    EXPECT_LT(firstRun, 10000u);
    sprite.Tick(0);
    EXPECT_EQ(2 * firstRun, sprite.frame);
}

TEST_F(ScriptRun, FlagsAndFramesSteerTheJumps) {
    Load(sprite, "SET 6\nCLEAR 2\nIF 2,1\nIFNOT 2,2\n:1\nFRAME 1\nENDCYCLE\n"
                 ":2\nIFFRAME 0,3\nFRAME 7\nENDCYCLE\n:3\nFRAME 8\nENDCYCLE\n");
    sprite.Tick(0);
    EXPECT_EQ(4u, sprite.userFlags);
    EXPECT_EQ(8u, sprite.frame) << "flag 2 clear, then frame 0 jumps to label 3";
}

// Only a test that jumps consumes the pending hit.
TEST_F(ScriptRun, HitTestsJumpOnAMatchingHitAndConsumeItThen) {
    struct Case {
        const char* test;
        DWORD lastHitId;
        bool pending;
        bool jumps;
    };
    const Case cases[] = {
        {"IFHIT 1", 3, true, true},        {"IFHIT 1", 3, false, false},
        {"IFHITID 7,1", 3, true, false},   {"IFHITID 3,1", 3, true, true},
        {"IFHITMASK 4,1", 3, true, false}, {"IFHITMASK 6,1", 3, true, true},
        {"IFHITID 3,1", 3, false, false},
    };
    for (const Case& c : cases) {
        mSprite tested;
        Load(tested, std::string(c.test) + "\nFRAME 1\nENDCYCLE\n:1\nFRAME 2\n");
        tested.lastHitId = c.lastHitId;
        if (c.pending) tested.state |= mSprite::HitPending;
        tested.Tick(0);
        EXPECT_EQ(c.jumps ? 2u : 1u, tested.frame) << c.test;
        EXPECT_EQ(c.pending && !c.jumps, (tested.state & mSprite::HitPending) != 0) << c.test;
    }
}

TEST_F(ScriptRun, HitIdentityMaskAndDepthAreSetForTheStagesTests) {
    Load(sprite, "HITID 5\nHITMASK 12\nHITDEPTH 10\nPOSZ 40\nMOVEZ -4\n");
    sprite.Tick(0);
    EXPECT_EQ(5u, sprite.hitId);
    EXPECT_EQ(12u, sprite.hitMask);
    EXPECT_EQ(10, sprite.depth);
    EXPECT_EQ(36, sprite.z);
}

// A plain sprite's POSX and friends change its position fields without moving its
// rectangle; positions wrap at the ends of their range.
TEST_F(ScriptRun, PlainSpritePositionsChangeWithoutMovingItsRectangle) {
    sprite.rect = sprite.hitRect = {10, 10, 30, 30};
    Load(sprite, "POSX 2147483647\nMOVEX 1\nPOSY 9\nMOVEY -4\n");
    sprite.Tick(0);
    EXPECT_EQ(INT_MIN, sprite.x);
    EXPECT_EQ(5, sprite.y);
    EXPECT_EQ((RECT{10, 10, 30, 30}), sprite.rect);
}

TEST_F(ScriptRun, ImageSpriteFollowsPositionFrameAndVisibility) {
    mSpriteImage& walker = Pictured("POSX 40\nPOSY 30\nFRAME 12\nHIDE\nENDCYCLE\n"
                                    "MOVEX 5\nSHOW\nENDCYCLE\n");
    walker.Tick(0);
    EXPECT_EQ((RECT{40, 30, 60, 40}), walker.rect);
    EXPECT_EQ(12, image->seeks.back());
    EXPECT_TRUE(walker.state & mSprite::Hidden);
    walker.Tick(0);
    EXPECT_EQ((RECT{45, 30, 65, 40}), walker.rect);
    EXPECT_FALSE(walker.state & mSprite::Hidden);
}

// A DELAY stands for the step's frame time and is scaled by the speed; without one the
// image's frame time is used.
TEST_F(ScriptRun, DelayAndSpeedSetTheNextPeriod) {
    mSpriteImage& timed = Pictured("DELAY 40\nSPEED 200\nENDCYCLE\nSPEED 50\nENDCYCLE\n");
    timed.Tick(0);
    EXPECT_EQ(20u, timed.period);
    timed.Tick(0);
    EXPECT_EQ(60u, timed.period);
}

TEST_F(ScriptRun, PauseEndsTheCycleAndStopsTheTicks) {
    mSpriteImage& paused = Pictured("ADVANCEFRAME\nPAUSE\nADVANCEFRAME\n");
    paused.Tick(0);
    EXPECT_TRUE(paused.state & mSprite::Paused);
    paused.Tick(0);
    EXPECT_EQ(1u, paused.frame);
    paused.Resume();
    paused.Tick(0);
    EXPECT_EQ(2u, paused.frame);
}

TEST_F(ScriptRun, CatchUpRunsTheProgramOncePerStepThatFits) {
    Load(sprite, ":1\nADVANCEFRAME 2\nLOOP 1\n");
    sprite.SetCatchUp(TRUE);
    sprite.period = 30;
    sprite.Tick(70);
    EXPECT_EQ(6u, sprite.frame);
}

TEST_F(ScriptRun, SoundPlaysTheNumberedSoundOnce) {
    bool gone = false;
    auto* sound = new FakeSound(&gone);
    {
        mSprite noisy;
        noisy.AddSound(sound);
        Load(noisy, "SOUND 1\nSOUND 0\n");
        noisy.Tick(0);
        EXPECT_EQ((std::vector<std::pair<DWORD, DWORD>>{{0, 1}}), sound->played);
    }
    EXPECT_TRUE(gone);
}

} // namespace
