// The program's FLIC resources (type "flic") as images over the resource bytes.
#pragma once

class mImageFlic;
class mSpriteImage;

// A new image over the resource's bytes with its header read, or null when the resource is
// missing or not a FLIC. The caller owns it until a sprite takes a hold on it.
mImageFlic* OpenFlicResource(int resource);

// A sprite holding image, shown with its key colour transparent and without colour mapping
// (the dialogs' pictures keep the artwork's own colours); null, with the image deleted, when
// there is no memory for it.
mSpriteImage* NewPictureSprite(mImageFlic* image);
