// The options that give settings for one run: taken out of the arguments, checked against
// the settings' ranges, given all or none.
#include "shell/entry/SettingOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/SettingOverrides.h"
#include "app/Settings.h"

namespace {

class SettingOptionsTest : public ::testing::Test {
protected:
    void TearDown() override { ClearSettingOverrides(); }

    TakenOptions Take(std::vector<std::string> arguments) {
        held = std::move(arguments);
        std::vector<char*> argv;
        for (std::string& argument : held)
            argv.push_back(argument.data());
        return TakeSettingOptions(int(argv.size()), argv.data());
    }

    static std::vector<std::string> Rest(const TakenOptions& taken) {
        std::vector<std::string> rest;
        for (char* argument : taken.rest)
            if (argument) rest.push_back(argument);
        return rest;
    }

    static int Given(const char* setting) {
        const int* value = SettingOverride(setting);
        return value ? *value : -1;
    }

    std::vector<std::string> held;
};

TEST_F(SettingOptionsTest, GiveTheirSettingsAndLeaveTheOtherArgumentsInOrder) {
    const TakenOptions taken =
        Take({"lumaris", "--big", "10", "--root", "--small", "0", "--speed", "3", "--hue", "255",
              "--colorize", "-fps", "--animate-colors"});
    EXPECT_EQ(taken.error, "");
    EXPECT_EQ(Rest(taken), (std::vector<std::string>{"lumaris", "--root", "-fps"}));
    EXPECT_EQ(taken.rest.back(), nullptr);
    EXPECT_EQ(Given(kBigCountSetting), 10);
    EXPECT_EQ(Given(kSmallCountSetting), 0);
    EXPECT_EQ(Given(kSpeedSetting), 3);
    EXPECT_EQ(Given(kHueSetting), 255);
    EXPECT_EQ(Given(kShiftColourSetting), 0);
    EXPECT_EQ(Given(kAnimateColourSetting), 1);

    ClearSettingOverrides();
    Take({"lumaris", "--shift-color", "--no-animate-colors", "/s"});
    EXPECT_EQ(Given(kShiftColourSetting), 1);
    EXPECT_EQ(Given(kAnimateColourSetting), 0);
}

TEST_F(SettingOptionsTest, NoOptionsGiveNothing) {
    const TakenOptions taken = Take({"lumaris", "/s"});
    EXPECT_EQ(Rest(taken), (std::vector<std::string>{"lumaris", "/s"}));
    EXPECT_FALSE(SettingsOverridden());
    EXPECT_EQ(Rest(Take({"--big"})), std::vector<std::string>{"--big"}) << "the program path";
}

TEST_F(SettingOptionsTest, ABadValueIsOneLineAndGivesNothingAtAll) {
    const struct {
        std::vector<std::string> arguments;
        const char* line;
    } cases[] = {
        {{"lumaris", "--hue", "40", "--big", "11"},
         "lumaris: --big takes a whole number from 0 to 10, not \"11\""},
        {{"lumaris", "--small", "-1"},
         "lumaris: --small takes a whole number from 0 to 30, not \"-1\""},
        {{"lumaris", "--speed", "0"},
         "lumaris: --speed takes a whole number from 1 to 10, not \"0\""},
        {{"lumaris", "--hue", "4294967336"},
         "lumaris: --hue takes a whole number from 0 to 255, not \"4294967336\""},
        {{"lumaris", "--hue", " 4"},
         "lumaris: --hue takes a whole number from 0 to 255, not \" 4\""},
        {{"lumaris", "--hue"}, "lumaris: --hue takes a whole number from 0 to 255"},
        {{"lumaris", "--big", "10", "--small", "21"},
         "lumaris: --big and --small ask for 31 sprites together; at most 30"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Take(c.arguments).error, c.line);
        EXPECT_FALSE(SettingsOverridden()) << c.line;
    }
    EXPECT_EQ(Take({"lumaris", "--big", "10", "--small", "20"}).error, "") << "exactly 30";
}

} // namespace
