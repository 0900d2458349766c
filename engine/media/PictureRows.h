// Turns a still picture's decoded rows into target pixels: copied as they are when the target
// has the picture's own whole-byte depth, else converted into 8-bit indices with the image's
// ConvertRow. A target of any other depth cannot take the picture: 8-bit indices would
// overrun its rows.
#pragma once

#include "engine/media/PictureWindow.h"
#include "engine/media/mImage.h"

class PictureRows {
public:
    // For image drawn at (x, y) inside clip onto its target; rowBytes is the length of a
    // decoded row, planeStride the distance between its planes.
    PictureRows(mImage& image, const mBitmapInfo& target, LONG x, LONG y, const RECT* clip,
                LONG rowBytes, LONG planeStride);
    // Frees the scratch rows and the image's conversion table.
    ~PictureRows();
    PictureRows(const PictureRows&) = delete;
    PictureRows& operator=(const PictureRows&) = delete;

    // False when the target's depth cannot take the picture.
    bool Usable() const { return usable; }
    // False when the scratch rows cannot be had.
    bool Allocate();
    // Whether rows go straight into the target, with no scratch row.
    bool Straight() const { return straight; }
    const PictureWindow& Window() const { return window; }
    // A scratch row of rowBytes zero-filled bytes to decode into.
    BYTE* Scratch() const { return decoded; }
    // Puts the visible part of image row `row`, decoded into Scratch().
    void Put(LONG row);

private:
    mImage& image;
    PictureWindow window;
    LONG rowBytes, planeStride;
    bool straight, usable;
    BYTE* decoded = nullptr;
    BYTE* converted = nullptr;
};
