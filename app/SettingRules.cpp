#include "app/SettingRules.h"

#include <algorithm>

#include "app/Settings.h"

SpriteCounts NormaliseSpriteCounts(int big, int small) {
    const SpriteCounts clamped{std::clamp(big, 0, kMaxBigSprites),
                               std::clamp(small, 0, kMaxSprites)};
    if (clamped.big + clamped.small > kMaxSprites) return kDefaultSpriteCounts;
    return clamped;
}

SpriteCounts ReadSpriteCounts() {
    const int big = ReadSetting(kBigCountSetting, kDefaultSpriteCounts.big);
    const int small = ReadSetting(kSmallCountSetting, kDefaultSpriteCounts.small);
    return NormaliseSpriteCounts(big, small);
}

int ReadMoveSpeed() {
    return std::max(ReadSetting(kSpeedSetting, 1), 1);
}
