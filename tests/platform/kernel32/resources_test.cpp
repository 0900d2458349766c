#include <gtest/gtest.h>

#include <cstring>

#include "platform/kernel32/resource_store.h"
#include "platform/testing/resources.h"
#include "platform/win32.h"

namespace {

const BYTE kFlicBytes[] = {1, 2, 3, 4, 5};

class Resources : public ::testing::Test {
protected:
    void SetUp() override {
        platform::RegisterResource("flic", MAKEINTRESOURCEA(9116), kFlicBytes, sizeof kFlicBytes);
        platform::testing::AddResource("PALETTE", "default", {7, 8, 9});
        platform::testing::AddResource(RT_BITMAP, MAKEINTRESOURCEA(9130), {});
        platform::testing::AddString(9400, "Out of memory");
    }
    void TearDown() override {
        platform::UnregisterResource("flic", MAKEINTRESOURCEA(9116));
        platform::testing::RemoveResource("PALETTE", "default");
        platform::testing::RemoveResource(RT_BITMAP, MAKEINTRESOURCEA(9130));
        platform::testing::RemoveString(9400);
    }
    HMODULE module = GetModuleHandleA(nullptr);
};

TEST_F(Resources, ProgramModuleIsFixedAndOthersAreUnknown) {
    EXPECT_NE(module, nullptr);
    EXPECT_EQ(GetModuleHandleA(nullptr), module);
    EXPECT_EQ(GetModuleHandleA("IMM32.DLL"), nullptr);
}

TEST_F(Resources, FoundByNumberAndCaseBlindTypeAndReadInPlace) {
    for (LPCSTR type : {"flic", "FLIC", "Flic"}) {
        HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(9116), type);
        ASSERT_NE(found, nullptr) << type;
        EXPECT_EQ(SizeofResource(module, found), sizeof kFlicBytes);
        HGLOBAL loaded = LoadResource(module, found);
        EXPECT_EQ(LockResource(loaded), kFlicBytes); // the registered bytes, not a copy
    }
    EXPECT_EQ(FindResourceA(nullptr, "#9116", "flic"),
              FindResourceA(module, MAKEINTRESOURCEA(9116), "flic"));
    EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(9117), "flic"), nullptr);
    EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(9116), RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(9116), "flicx"), nullptr);
}

TEST_F(Resources, FoundByStringNameAndIntegerType) {
    HRSRC palette = FindResourceA(module, "DEFAULT", "palette");
    ASSERT_NE(palette, nullptr);
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, palette)));
    ASSERT_EQ(SizeofResource(module, palette), 3u);
    EXPECT_EQ(bytes[2], 9);
    // An empty resource still loads to a non-null handle.
    HRSRC empty = FindResourceA(module, MAKEINTRESOURCEA(9130), RT_BITMAP);
    ASSERT_NE(empty, nullptr);
    EXPECT_NE(LoadResource(module, empty), nullptr);
    EXPECT_EQ(SizeofResource(module, empty), 0u);
}

TEST_F(Resources, RemovedOrForeignEntriesAreNotUsed) {
    HRSRC palette = FindResourceA(module, "default", "PALETTE");
    ASSERT_TRUE(platform::testing::RemoveResource("PALETTE", "default"));
    EXPECT_EQ(FindResourceA(module, "default", "PALETTE"), nullptr);
    EXPECT_EQ(LoadResource(module, palette), nullptr);
    EXPECT_EQ(SizeofResource(module, palette), 0u);
    EXPECT_FALSE(platform::testing::RemoveResource("PALETTE", "default"));
    HRSRC flic = FindResourceA(module, MAKEINTRESOURCEA(9116), "flic");
    int other = 0;
    EXPECT_EQ(LoadResource(reinterpret_cast<HMODULE>(&other), flic), nullptr);
}

TEST_F(Resources, ReRegisteringReplaces) {
    platform::testing::AddResource("flic", MAKEINTRESOURCEA(9116), {42});
    HRSRC flic = FindResourceA(module, MAKEINTRESOURCEA(9116), "FLIC");
    EXPECT_EQ(SizeofResource(module, flic), 1u);
    EXPECT_EQ(*static_cast<BYTE*>(LockResource(LoadResource(module, flic))), 42);
}

TEST_F(Resources, LoadStringCopiesAtMostSizeMinusOne) {
    char buffer[40];
    memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(LoadStringA(module, 9400, buffer, sizeof buffer), 13);
    EXPECT_STREQ(buffer, "Out of memory");
    EXPECT_EQ(LoadStringA(module, 9400, buffer, 4), 3);
    EXPECT_STREQ(buffer, "Out");
    EXPECT_EQ(LoadStringA(nullptr, 9400, buffer, 1), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(LoadStringA(module, 9400, buffer, 0), 0);
    EXPECT_EQ(LoadStringA(module, 9400, nullptr, 40), 0);
}

TEST_F(Resources, LoadStringOfMissingStringGivesNothing) {
    char buffer[8] = "stale";
    EXPECT_EQ(LoadStringA(module, 9401, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    int other = 0;
    EXPECT_EQ(LoadStringA(reinterpret_cast<HINSTANCE>(&other), 9400, buffer, 8), 0);
    platform::testing::AddString(9401, "");
    EXPECT_EQ(LoadStringA(module, 9401, buffer, sizeof buffer), 0);
    platform::testing::RemoveString(9401);
}

} // namespace
