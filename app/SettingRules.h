// How callers normalise what the settings store gives them.
#pragma once

struct SpriteCounts {
    int big;
    int small;
};

inline constexpr SpriteCounts kDefaultSpriteCounts{3, 5};
inline constexpr int kMaxBigSprites = 10;
inline constexpr int kMaxSprites = 30;

// Each count clamped to its range; a sum above kMaxSprites falls back to both defaults.
SpriteCounts NormaliseSpriteCounts(int big, int small);
// "sprite 1 count" and "sprite 2 count", normalised.
SpriteCounts ReadSpriteCounts();
// "speed"; below 1 becomes 1, no upper bound.
int ReadMoveSpeed();
