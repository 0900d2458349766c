// Sprites driven by sprite scripts: each script file gives a sprite its program and, through
// the description in the same text, the cells of its composite image.
#pragma once

#include <string>

class mSpriteImage;

// Names in the script are taken from the script's own folder. Null, with the reason
// printed, when the file cannot be read or describes no picture.
mSpriteImage* LoadScriptedSprite(const std::string& path);
