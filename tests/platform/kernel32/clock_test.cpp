#include <gtest/gtest.h>

#include "platform/kernel32/virtual_clock.h"
#include "platform/testing/clock.h"
#include "platform/win32.h"

namespace {

class Clock : public ::testing::Test {
protected:
    void TearDown() override { platform::testing::UseRealClock(); }
};

TEST_F(Clock, VirtualClockWrapsAtTwoToTheThirtyTwo) {
    platform::testing::UseVirtualClock(0xFFFFFFF0u);
    EXPECT_TRUE(platform::ClockIsVirtual());
    DWORD before = timeGetTime();
    platform::testing::AdvanceClock(0x20);
    EXPECT_EQ(timeGetTime(), 0x10u);
    EXPECT_EQ(GetTickCount(), 0x10u);
    EXPECT_EQ(DWORD(timeGetTime() - before), 0x20u);
}

TEST_F(Clock, VirtualSleepAdvancesTheClockAndReturnsAtOnce) {
    platform::testing::UseVirtualClock(1000);
    Sleep(0);
    EXPECT_EQ(GetTickCount(), 1000u);
    Sleep(30);
    Sleep(0xFFFFFFFFu); // would block for weeks on the real clock
    EXPECT_EQ(GetTickCount(), 1029u);
}

TEST_F(Clock, RealClockComesBack) {
    platform::testing::UseVirtualClock(5);
    platform::testing::UseRealClock();
    EXPECT_FALSE(platform::ClockIsVirtual());
}

} // namespace
