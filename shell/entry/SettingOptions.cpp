#include "shell/entry/SettingOptions.h"

#include <cstring>
#include <utility>

#include "app/SettingOverrides.h"
#include "app/SettingRules.h"
#include "app/Settings.h"
#include "shell/entry/WholeNumber.h"

namespace {

using Given = std::vector<std::pair<const char*, int>>;

const SettingOption* Find(const char* argument) {
    for (const SettingOption& option : SettingOptions())
        if (std::strcmp(option.name, argument) == 0) return &option;
    return nullptr;
}

std::string RangeError(const SettingOption& option, const char* text) {
    std::string line = std::string("lumaris: ") + option.name + " takes a whole number from " +
                       std::to_string(option.low) + " to " + std::to_string(option.high);
    return text ? line + ", not \"" + text + "\"" : line;
}

// The last value given for setting: the one that counts.
const int* GivenFor(const Given& given, const char* setting) {
    const int* last = nullptr;
    for (const auto& [name, value] : given)
        if (std::strcmp(name, setting) == 0) last = &value;
    return last;
}

// The sum rule would silently put back the default counts: say so instead.
std::string SumError(const Given& given) {
    const int* big = GivenFor(given, kBigCountSetting);
    const int* small = GivenFor(given, kSmallCountSetting);
    if (!big || !small || *big + *small <= kMaxSprites) return {};
    return "lumaris: --big and --small ask for " + std::to_string(*big + *small) +
           " sprites together; at most " + std::to_string(kMaxSprites);
}

} // namespace

const std::vector<SettingOption>& SettingOptions() {
    static const std::vector<SettingOption> options = {
        {"--big", kBigCountSetting, true, 0, kMaxBigSprites, "big sprites"},
        {"--small", kSmallCountSetting, true, 0, kMaxSprites, "small sprites"},
        {"--speed", kSpeedSetting, true, 1, 10, "pixels per step"},
        {"--hue", kHueSetting, true, 0, 255, "colour"},
        {"--shift-color", kShiftColourSetting, false, 1, 1, "colour mode: shift"},
        {"--colorize", kShiftColourSetting, false, 0, 0, "colour mode: colorize"},
        {"--animate-colors", kAnimateColourSetting, false, 1, 1, "colour animation on"},
        {"--no-animate-colors", kAnimateColourSetting, false, 0, 0, "colour animation off"},
    };
    return options;
}

TakenOptions TakeSettingOptions(int argc, char** argv) {
    TakenOptions taken;
    Given given;
    for (int i = 0; i < argc; ++i) {
        const SettingOption* option = i > 0 ? Find(argv[i]) : nullptr;
        long value = option ? option->low : 0;
        if (!option) {
            taken.rest.push_back(argv[i]);
        } else if (option->takesValue && !ParseWholeNumber(i + 1 < argc ? argv[i + 1] : nullptr,
                                                           option->low, option->high, &value)) {
            taken.error = RangeError(*option, i + 1 < argc ? argv[i + 1] : nullptr);
            return taken;
        } else {
            given.emplace_back(option->setting, int(value));
            i += option->takesValue ? 1 : 0;
        }
    }
    taken.error = SumError(given);
    if (taken.error.empty())
        for (const auto& [setting, value] : given)
            OverrideSetting(setting, value);
    taken.rest.push_back(nullptr);
    return taken;
}
