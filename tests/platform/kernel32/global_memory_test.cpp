#include <gtest/gtest.h>

#include "platform/testing/memory.h"
#include "platform/win32.h"

namespace {

bool AllZero(const void* data, size_t size) {
    const auto* bytes = static_cast<const BYTE*>(data);
    for (size_t i = 0; i < size; ++i)
        if (bytes[i]) return false;
    return true;
}

class GlobalMemory : public ::testing::Test {
protected:
    void TearDown() override {
        platform::testing::FailNextGlobalAllocs(0);
        platform::testing::FailNextGlobalLocks(0);
    }
};

TEST_F(GlobalMemory, ZeroInitBlocksAreZeroFilledWhetherFixedOrMoveable) {
    // Dirty the heap first so that a recycled block would show old bytes.
    for (int round = 0; round < 4; ++round) {
        HGLOBAL dirty = GlobalAlloc(GMEM_FIXED, 4096);
        memset(GlobalLock(dirty), 0xAB, 4096);
        GlobalFree(dirty);
        for (UINT flags :
             {UINT(GHND), UINT(GPTR), UINT(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_SHARE)}) {
            HGLOBAL block = GlobalAlloc(flags, 4096);
            ASSERT_NE(block, nullptr);
            EXPECT_EQ(GlobalSize(block), 4096u);
            EXPECT_TRUE(AllZero(GlobalLock(block), 4096));
            GlobalUnlock(block);
            EXPECT_EQ(GlobalFree(block), nullptr);
        }
    }
}

TEST_F(GlobalMemory, FixedHandleIsItsAddressMoveableIsNot) {
    HGLOBAL fixed = GlobalAlloc(GMEM_FIXED, 16);
    EXPECT_EQ(GlobalLock(fixed), fixed);
    HGLOBAL moveable = GlobalAlloc(GMEM_MOVEABLE, 16);
    void* address = GlobalLock(moveable);
    EXPECT_NE(address, moveable);
    EXPECT_EQ(GlobalLock(moveable), address);
    EXPECT_TRUE(GlobalUnlock(moveable)); // still locked once
    EXPECT_FALSE(GlobalUnlock(moveable));
    EXPECT_FALSE(GlobalUnlock(moveable)); // not locked: no underflow
    GlobalFree(fixed);
    GlobalFree(moveable);
}

TEST_F(GlobalMemory, StaleAndForeignHandlesAreRefused) {
    size_t live = platform::testing::LiveGlobalBlocks();
    HGLOBAL block = GlobalAlloc(GHND, 8);
    EXPECT_EQ(platform::testing::LiveGlobalBlocks(), live + 1);
    EXPECT_EQ(GlobalFree(block), nullptr);
    EXPECT_EQ(platform::testing::LiveGlobalBlocks(), live);
    EXPECT_EQ(GlobalFree(block), block); // double free reports failure
    EXPECT_EQ(GlobalLock(block), nullptr);
    EXPECT_EQ(GlobalSize(block), 0u);
    int local = 0;
    EXPECT_EQ(GlobalLock(&local), nullptr);
}

TEST_F(GlobalMemory, InjectedFailuresHitExactlyTheNextCalls) {
    platform::testing::FailNextGlobalAllocs(2);
    EXPECT_EQ(GlobalAlloc(GHND, 8), nullptr);
    EXPECT_EQ(GlobalAlloc(GPTR, 8), nullptr);
    HGLOBAL block = GlobalAlloc(GHND, 8);
    ASSERT_NE(block, nullptr);
    platform::testing::FailNextGlobalLocks(1);
    EXPECT_EQ(GlobalLock(block), nullptr);
    EXPECT_NE(GlobalLock(block), nullptr);
    GlobalFree(block);
}

TEST_F(GlobalMemory, EmptyBlocksAreDistinctLiveBlocks) {
    HGLOBAL first = GlobalAlloc(GMEM_FIXED, 0);
    HGLOBAL second = GlobalAlloc(GMEM_FIXED, 0);
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(GlobalSize(first), 0u);
    EXPECT_EQ(GlobalFree(first), nullptr);
    EXPECT_EQ(GlobalFree(second), nullptr);
}

} // namespace
