// A composite image: a circular list of cells, each a rectangle of a bitmap (usually a frame
// cut from an image file by a sprite-image description) with an origin, a display time and
// a changed rectangle. Frame n is cell n in the order the cells were added.
//
// The image has no file of its own: it is open (type tag "BMAP") from construction and
// ReadHeader only says whether it holds a cell. The current cell stands in the records:
// PlaybackInfo's width and height are the cell's, its origin the cell's origin, its frame
// time the cell time, its changed rectangle the cell's (what a sprite standing still
// invalidates) and its palette the cell bitmap's colours. FormatInfo counts the cells and
// keeps the largest cell width and height.
//
// SeekFrame walks the list: whence 0 goes to cell n (nothing changes when there is no cell
// n), 1 steps n cells on from the current one, wrapping round the list either way, 2 goes
// to cell count - n. Draw copies the current cell's rectangle with its top-left corner at
// (x, y) onto the target (an 8-bit bitmap) inside clip, skipping the key colour when
// transparent and through the colour map when remapped, as the FLIC image does. The
// palette-changed flag is raised when a cell of other colours becomes current while not
// remapped, and lowered by Draw.
#pragma once

#include "engine/media/mImage.h"

class mBitmap;

constexpr DWORD kCompositeTag = ImageTag('B', 'M', 'A', 'P');

struct mBitmapCell {
    mBitmap* bitmap; // held by the cell
    RECT source;     // in the bitmap
    RECT changed;    // relative to the source rectangle
    LONG originX;
    LONG originY;
    DWORD time; // milliseconds
    DWORD reserved;
    mBitmapCell* next;
    mBitmapCell* previous;
};

class mImageBitmap : public mImage {
public:
    // Bounds what one description can allocate: any FLIC fits (at most 65535 frames).
    static constexpr LONG kMaxCells = 65535;

    mImageBitmap();
    // Gives back every cell's hold on its bitmap (deleting the bitmaps no one else holds).
    ~mImageBitmap() override;

    BOOL ReadHeader() override;
    LONG WriteHeader() override;
    LONG Draw(LONG x, LONG y, const RECT* clip) override;
    LONG WriteFrame(LONG a, LONG b, LONG c) override;
    LONG SeekFrame(LONG n, LONG whence) override;
    void RemapColours() override;
    BOOL SetTarget(mBitmap* bitmap) override;
    void SetTransparent(BOOL flag) override;
    void SetKeyColour(LONG colour) override;
    void SetRemap(BOOL flag) override;

    // Appends a cell of source (clipped to the bitmap; null: all of it) with changed
    // relative to it (clipped to the cell; null: all of it), holding the bitmap. False, with
    // a report, when there is no memory, the cell count is at its bound, or a rectangle is
    // empty after clipping.
    BOOL AddCell(mBitmap* bitmap, const RECT* source, LONG originX, LONG originY, DWORD time,
                 const RECT* changed);
    // Reads a sprite-image description from the stream and adds its cells. 1 when it ended
    // (END or the end of the text), 0 when the stream is not open or a cell keyword came
    // without a file.
    LONG ParseDescription(mFile* stream);

    const mBitmapCell* FirstCell() const { return first; }

private:
    mBitmapCell* NewCell(mBitmap* bitmap, const RECT* source, const RECT* changed);
    void Append(mBitmapCell* cell);
    void ShowCell(mBitmapCell* cell);
    mBitmapCell* CellAt(LONG target);
    // Applies the flags to a cell's bitmap.
    void Style(mBitmap* bitmap) const;
    void StyleAll();

    mBitmapCell* first = nullptr;
    mBitmapCell* current = nullptr;
    BOOL keySet = FALSE; // an explicit key colour replaces each bitmap's own
};
