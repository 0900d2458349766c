// Values given for one run: they take the place of the stored ones, and while any is given
// nothing is stored.
#include "app/SettingOverrides.h"
#include "app/SettingRules.h"
#include "app/Settings.h"
#include "tests/support/temporary_registry.h"

#include <gtest/gtest.h>

namespace {

class SettingOverrides : public ::testing::Test {
protected:
    void SetUp() override { SelectSettingsKey(nullptr, kSettingsKeyPath); }
    void TearDown() override { ClearSettingOverrides(); }

    TemporaryRegistry registry;
};

TEST_F(SettingOverrides, TakeThePlaceOfStoredValuesAndGoThroughTheSameRules) {
    ASSERT_TRUE(WriteSetting(kHueSetting, 17));
    ASSERT_TRUE(WriteSetting(kSpeedSetting, 2));
    ASSERT_TRUE(OverrideSetting(kHueSetting, 200));
    ASSERT_TRUE(OverrideSetting(kHueSetting, 201)); // the last one given counts
    ASSERT_TRUE(OverrideSetting(kSmallCountSetting, 30));
    EXPECT_EQ(ReadSetting(kHueSetting, 0), 201);
    EXPECT_EQ(ReadSetting(kSpeedSetting, 1), 2) << "not given: the stored value";
    const SpriteCounts counts = ReadSpriteCounts();
    EXPECT_EQ(counts.big, 3);
    EXPECT_EQ(counts.small, 5) << "3 stored big + 30 given small breaks the sum rule";

    ClearSettingOverrides();
    EXPECT_EQ(ReadSetting(kHueSetting, 0), 17);
}

TEST_F(SettingOverrides, WhileAnyIsGivenNothingIsStored) {
    ASSERT_TRUE(WriteSetting(kHueSetting, 17));
    const std::string before = registry.Text();
    ASSERT_TRUE(OverrideSetting(kAnimateColourSetting, 1));
    EXPECT_FALSE(WriteSetting(kHueSetting, 99)) << "not even a setting that was not given";
    EXPECT_FALSE(WriteSetting(kAnimateColourSetting, 0));
    EXPECT_EQ(registry.Text(), before);
    EXPECT_EQ(ReadSetting(kAnimateColourSetting, 0), 1);
}

TEST_F(SettingOverrides, HoldEverySettingAtOnceAndNoMore) {
    const char* const names[] = {kBigCountSetting,      kSmallCountSetting,  kSpeedSetting,
                                 kAnimateColourSetting, kShiftColourSetting, kHueSetting};
    for (int i = 0; i < 6; ++i)
        ASSERT_TRUE(OverrideSetting(names[i], i)) << names[i];
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(ReadSetting(names[i], -1), i) << names[i];
    EXPECT_FALSE(OverrideSetting("a seventh", 7));
    EXPECT_EQ(SettingOverride("a seventh"), nullptr);
}

} // namespace
