// What the sprite population and its motion need of the scene, kept as one record the scene
// embeds: the stage size, the speed, the counts, the generator and the 30 sprite slots.
#pragma once

#include <array>

#include "app/SaverRandom.h"

class mSpriteImage;

inline constexpr int kSpriteSlots = 30;

// The slot number is also the sprite's depth.
struct SpriteSlot {
    double posX = 0; // top-left corner of the picture on the stage
    double posY = 0;
    double dirX = 0; // -1, 0 or +1; never both 0
    double dirY = 0;
    mSpriteImage* sprite = nullptr; // owned; null for an empty slot
};

struct SpriteField {
    int screenWidth = 0;
    int screenHeight = 0;
    int moveSpeed = 1;
    int bigCount = 0;
    int smallCount = 0;
    SaverRandom random;
    std::array<SpriteSlot, kSpriteSlots> slots{};
};
