// Sprites drift in one of eight directions at moveSpeed pixels per frame along each axis;
// at an edge a sprite is clamped to it, gets a new random direction and is sent away.
#pragma once

#include "app/SpriteField.h"

// New random direction: 26 draws. A component is 0 in 799 of 32768 cases, -1 in 16784 and
// +1 in 15185; when dirX is 0, dirY is never 0.
void PickDirection(SpriteSlot& slot, SaverRandom& random);

// One frame of motion of a picture frameWidth x frameHeight, in top-left coordinates; keeps
// the whole picture on the stage.
void StepSlot(SpriteSlot& slot, int frameWidth, int frameHeight, SpriteField& field);

// StepSlot for the slot's sprite, then hands it the new position (its centre), depth kept.
void MoveSprite(SpriteField& field, int slot);
// Every filled slot in slot order.
void MoveSprites(SpriteField& field);
