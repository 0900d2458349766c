// The settings dialog's still pictures of the two sprite kinds, each on a stage of its own
// over its picture control, in the colours chosen in the dialog.
#pragma once

#include "platform/win32.h"

class mSpriteImage;

inline constexpr int kBigPictureResource = 122;
inline constexpr int kSmallPictureResource = 124;

// A sprite over the one-frame FLIC resource at the top-left corner, at the next picture
// depth; null when the FLIC cannot be opened (the picture stays empty).
mSpriteImage* LoadFlicPicture(int resource);
void CreatePictureStages(HWND dialog);
// Draws the pictures' changed areas again.
void UpdatePictureStages();
void DestroyPictureStages();
