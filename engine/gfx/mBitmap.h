// The engine's pixel store: a device-independent bitmap with a colour table, in the layout
// GDI accepts directly, with the copies, fills and colour maps every frame is built from.
#pragma once

#include "engine/core/mObject.h"
#include "platform/win32.h"

struct mBitmapGeometry;

// Public state of a bitmap. Other classes read it through mBitmap::info and never write it.
// Pixel (x, y), y from the top, is topRow[y * pitch + x] in either row order.
struct mBitmapInfo {
    LONG width;
    LONG height; // always positive; the row order is in topDown
    LONG bitsPerPixel;
    LONG planes;
    LONG stride; // bytes per stored row, a multiple of 4
    LONG pitch;  // step to the row below on screen: +stride top-down, -stride bottom-up
    BOOL topDown;
    BYTE* bits;          // first stored byte (the bottom row of a bottom-up bitmap)
    BYTE* topRow;        // first byte of the top row
    RGBQUAD* colours;    // 1 << bitsPerPixel entries for depths up to 8; null while empty
    DWORD colourVersion; // bumped by every colour change; 0 after a reset
    DWORD keyColour;     // low byte: the transparent colour index
    DWORD flags;         // mBitmap::Transparent, mBitmap::MapColours
    BYTE* colourMap;     // this bitmap's colours translated into the last map target's
    BOOL mapNeeded;      // colourMap is not the identity
    HDC memoryDC;        // DIB section bitmaps only
    BITMAPINFO* header;  // plain bitmaps only: header followed by the colour table
};

class mBitmap : public virtual mObject {
public:
    enum : DWORD { Transparent = 1, MapColours = 2 };

    mBitmap();
    mBitmap(LONG width, LONG height, LONG bitsPerPixel);
    // Warns once ("Still in use") when still held, then frees everything.
    virtual ~mBitmap();

    mBitmap(const mBitmap&) = delete;
    mBitmap& operator=(const mBitmap&) = delete;

    // Frees pixels, colours, map and GDI objects; keeps keyColour, flags and mapNeeded.
    void Reset();
    // A negative height asks for top-down rows. Keeps the current colours, or takes the
    // default table on a first creation. Reports "Out of memory" and stays empty on failure.
    bool Create(LONG width, LONG height, LONG bitsPerPixel);
    // A bottom-up GDI DIB section in a memory DC (height's sign ignored, depth 0 means 8).
    bool CreateSection(LONG width, LONG height, LONG bitsPerPixel = 0);

    // Replaces colours[first ..] by entries (cut at the table's end) and bumps
    // colourVersion; returns how many entries were replaced. Without entries, a table or a
    // first index within it: 0 and nothing changes, not even the version.
    int SetColours(const RGBQUAD* entries, int first, int count);
    // The optional "PALETTE" resource "default" of mObject::resourceModule, else the
    // built-in table: 256 entries.
    static void LoadDefaultColours(RGBQUAD* table);
    // Lowest index of the closest colour (squared distance); 0 above 8 bits.
    int NearestColour(RGBQUAD colour) const;
    // Maps this bitmap's colours into target's (null frees the map). True when the map is
    // not the identity.
    bool BuildColourMap(mBitmap* target);

    void SetKeyColour(DWORD index); // also switches Transparent on
    void SetTransparent(BOOL on);
    void SetMapColours(BOOL on);
    // Flips the stored rows in place when the order changes.
    void SetOrientation(BOOL topDown);

    // Sets the pixels of each rectangle to the colour index. No clipping.
    void Fill(BYTE colourIndex, const RECT* rects, int count);

    // Copies this bitmap from (sourceX, sourceY) onto rect of destination, choosing the
    // copy by flags. The caller clips; rect is never empty, and destination is another
    // bitmap.
    void BlitTo(mBitmap* destination, const RECT* rect, LONG sourceX, LONG sourceY);
    void CopyOpaque(mBitmap* destination, const RECT* rect, LONG sourceX, LONG sourceY) const;
    void CopyTransparent(mBitmap* destination, const RECT* rect, LONG sourceX, LONG sourceY) const;
    void CopyMapped(mBitmap* destination, const RECT* rect, LONG sourceX, LONG sourceY);
    void CopyTransparentMapped(mBitmap* destination, const RECT* rect, LONG sourceX, LONG sourceY);

    // Unscaled copy of rect to a window DC, from (sourceX, sourceY) of this bitmap.
    void PaintTo(HDC windowDC, const RECT* rect, LONG sourceX, LONG sourceY) const;

    // Palette manager. A logical palette (owned by the caller) that is index for index this
    // bitmap's colours around the display's static colours; the colour table is rewritten
    // to match, remapping the pixels when remap is set. Null above 8 bits or on failure.
    HPALETTE MakeIdentityPalette(BOOL remap);
    // SetColours, then every pixel (and the key colour) moves to the nearest new colour of
    // its old colour, so the picture is kept.
    void SetColoursAndRemap(const RGBQUAD* entries, int first, int count);

    mBitmapInfo* const info;

private:
    int ColourCount() const;
    void PaintTopDownRows(HDC windowDC, const RECT& rect, LONG sourceX, LONG sourceY) const;
    void SetEmptyGeometry();
    void SetGeometry(const mBitmapGeometry& geometry, BOOL topDown);
    void SetRowOrder(BOOL topDown);
    bool AllocatePlain(const mBitmapGeometry& geometry, BOOL topDown);
    bool AllocateSection(const mBitmapGeometry& geometry, const BITMAPINFO* header);
    void FreeColourMap();
    const BYTE* UsableColourMap(mBitmap* destination);

    mBitmapInfo record;
    HGLOBAL block = nullptr; // plain: header, colours, pixels; section: the colour table
    HBITMAP section = nullptr;
    HGDIOBJ previousBitmap = nullptr;
    BITMAPINFO* drawHeader = nullptr;
    HGLOBAL mapBlock = nullptr;
    BYTE emptyStore[4] = {0, 0, 0, 0};
    DWORD mapTargetVersion = 0;
    const mBitmap* mapTarget = nullptr;
};
