// The settings store over a temporary registry: defaults, what odd stored values give, and
// the callers' clamps.
#include "app/SettingRules.h"
#include "app/Settings.h"
#include "platform/testing/registry.h"
#include "tests/support/temporary_registry.h"

#include <gtest/gtest.h>

namespace {

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override { SelectSettingsKey(nullptr, kSettingsKeyPath); }

    void Store(const char* name, DWORD type, std::vector<BYTE> data) {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr);
        RegSetValueExA(key, name, 0, type, data.data(), DWORD(data.size()));
        RegCloseKey(key);
    }

    TemporaryRegistry registry;
};

TEST_F(SettingsStore, NoKeyGivesDefaultsAndCreatesTheKey) {
    const SpriteCounts counts = ReadSpriteCounts();
    EXPECT_EQ(counts.big, 3);
    EXPECT_EQ(counts.small, 5);
    EXPECT_EQ(ReadMoveSpeed(), 1);
    EXPECT_NE(registry.Text().find("[HKEY_CURRENT_USER\\Software\\Orvantis\\Lumaris]"),
              std::string::npos);

    EXPECT_TRUE(WriteSetting(kHueSetting, -1));
    EXPECT_EQ(ReadSetting(kHueSetting, 0), -1);
    EXPECT_NE(registry.Text().find("\"hue\"=dword:ffffffff"), std::string::npos);
}

TEST_F(SettingsStore, ValuesOfOtherTypesAndLengths) {
    Store(kHueSetting, REG_BINARY, {1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(ReadSetting(kHueSetting, 0), 0) << "longer than 4 bytes counts as missing";
    Store(kHueSetting, REG_BINARY, {0x2c, 0x01});
    EXPECT_EQ(ReadSetting(kHueSetting, 0x7f000000), 0x7f00012c) << "short data over the default";
    Store(kSpeedSetting, REG_SZ, {'7', 0});
    EXPECT_EQ(ReadSetting(kSpeedSetting, 1), 0x37) << "the type is not checked";
}

TEST_F(SettingsStore, SpeedHasOnlyALowerBound) {
    for (auto [stored, speed] : {std::pair{0, 1}, {-5, 1}, {7, 7}}) {
        WriteSetting(kSpeedSetting, stored);
        EXPECT_EQ(ReadMoveSpeed(), speed) << stored;
    }
}

// The start-up cost of a large file is one reading per registry call: the key's opening and
// the query, nothing more.
TEST_F(SettingsStore, EachReadReadsTheFileOncePerRegistryCall) {
    WriteSetting(kHueSetting, 9);
    const long before = platform::testing::RegistryFileReads();
    EXPECT_EQ(ReadSetting(kHueSetting, 0), 9);
    EXPECT_EQ(platform::testing::RegistryFileReads() - before, 2);
    ReadSpriteCounts();
    ReadMoveSpeed();
    EXPECT_EQ(platform::testing::RegistryFileReads() - before, 8);
}

TEST_F(SettingsStore, NoSelectedPathMeansDefaultsAndNoWrites) {
    SelectSettingsKey(nullptr, nullptr);
    EXPECT_FALSE(WriteSetting(kHueSetting, 4));
    EXPECT_EQ(ReadSetting(kHueSetting, 11), 11);
    EXPECT_TRUE(registry.Text().empty());
}

TEST(SettingRules, SpriteCountsClampThenFallBackAsAPair) {
    struct Case {
        int big, small, wantBig, wantSmall;
    };
    for (const Case& c : {Case{25, 25, 3, 5}, Case{10, 20, 10, 20}, Case{-4, 5, 0, 5},
                          Case{11, 19, 10, 19}, Case{0, 31, 0, 30}, Case{1, 30, 3, 5}}) {
        const SpriteCounts counts = NormaliseSpriteCounts(c.big, c.small);
        EXPECT_EQ(counts.big, c.wantBig) << c.big << ", " << c.small;
        EXPECT_EQ(counts.small, c.wantSmall) << c.big << ", " << c.small;
    }
}

} // namespace
