// The scene's sprites: half the small ones (rounded up) below the big ones, the rest above,
// every sprite of one kind over one shared FLIC image from the program's resources.
#pragma once

#include "app/SpriteField.h"

class mDirector;
class mImage;

inline constexpr int kBigSpriteResource = 116;
inline constexpr int kSmallSpriteResource = 118;

// Fills slots 0 to bigCount + smallCount - 1 and puts their sprites on the stage. False when
// a FLIC cannot be opened; that kind then has no sprites.
bool CreateSprites(SpriteField& field, mDirector& stage);
// One sprite over image in slot (its depth), at a random place with a random direction:
// 48 draws. A failed allocation leaves the slot empty.
void CreateSprite(SpriteField& field, mDirector& stage, mImage* image, int slot);
// Takes every sprite off the stage and destroys it; an image goes with its last sprite.
void DestroySprites(SpriteField& field, mDirector& stage);
