// Reading a sprite-image description: files opened through the image factory, cells cut
// from their frames. Values are read in place and not stepped over, so the scanner passes
// over them again as words.
#include "engine/gfx/mBitmap.h"
#include "engine/media/DecimalText.h"
#include "engine/media/ImageFactory.h"
#include "engine/media/mImageBitmap.h"

#include <algorithm>
#include <cstdint>

namespace {

enum Keyword { kwFile, kwRect, kwTile, kwSourceFrame, kwOrigin, kwTime, kwDelta, kwEnd };
const char* const kKeywords[] = {"FILE",  "RECT", "TILE", "SOURCEFRAME", "ORIGIN", "TIME",
                                 "DELTA", "END",  ""};

enum class Pending { None, WholeFile, SourceFrame };

class DescriptionReader {
public:
    DescriptionReader(mImageBitmap& composite, mFile& text) : owner(composite), stream(text) {}
    ~DescriptionReader() { CloseFile(); }

    LONG Run() {
        for (;;) {
            const LONG keyword = stream.NextKeyword(kKeywords);
            const char* value = reinterpret_cast<const char*>(stream.State()->current);
            if (keyword < 0 || keyword == kwEnd) {
                FinishFile();
                return 1;
            }
            if (!Perform(Keyword(keyword), value)) return 0;
        }
    }

private:
    // False when a cell keyword came without a file.
    bool Perform(Keyword keyword, const char* value) {
        switch (keyword) {
        case kwFile:
            FinishFile();
            OpenFile(value);
            return true;
        case kwRect:
        case kwTile:
            pending = Pending::None;
            if (!image) return NoFile(kKeywords[keyword]);
            keyword == kwRect ? CutRect(value) : CutTiles(value);
            return true;
        case kwSourceFrame:
            if (!image) return NoFile(kKeywords[keyword]);
            ChooseFrame(value);
            return true;
        default:
            Store(keyword, value);
            return true;
        }
    }

    bool NoFile(const char* keyword) {
        owner.Error(classImageBitmap, errFileType, keyword);
        return false;
    }

    // ORIGIN, TIME and DELTA apply to the cells that follow.
    void Store(Keyword keyword, const char* value) {
        if (keyword == kwOrigin) {
            LONG origin[2] = {originX, originY};
            ReadDecimalList(value, origin, 2);
            originX = origin[0];
            originY = origin[1];
        } else if (keyword == kwTime) {
            LONG milliseconds = LONG(time);
            ReadDecimalList(value, &milliseconds, 1);
            time = DWORD(milliseconds);
        } else {
            ReadRect(value, &changed);
            changedFromImage = false;
        }
    }

    static void ReadRect(const char* value, RECT* rect) {
        LONG sides[4] = {rect->left, rect->top, rect->right, rect->bottom};
        ReadDecimalList(value, sides, 4);
        *rect = {sides[0], sides[1], sides[2], sides[3]};
    }

    void OpenFile(const char* name) {
        image = CreateImageForFile(name, owner);
        if (!image) return;
        if (!image->Open(name, 0)) return CloseFile(); // the stream reported it
        if (!TakeFrame()) return CloseFile();
        pending = Pending::WholeFile;
    }

    // The image's current frame as a bitmap of its own, with the image's origin, time and
    // changed rectangle.
    bool TakeFrame() {
        DropFrame();
        frame = image->CreateFrameBitmap(0);
        if (!frame) return false;
        const PlaybackInfo& playback = *image->playbackInfo;
        source = {0, 0, frame->info->width, frame->info->height};
        originX = playback.originX;
        originY = playback.originY;
        if (playback.frameTime != 0) time = DWORD(playback.frameTime);
        changed = playback.changed;
        changedFromImage = true;
        return true;
    }

    // The image's changed rectangle is in frame pixels, a cell's relative to its source
    // rectangle. A cell the frame changed nothing of redraws whole rather than being refused
    // as a bad rectangle. False: no changed rectangle to give.
    bool CellChanged(RECT* relative) const {
        *relative = changed;
        if (!changedFromImage) return true;
        const LONG left = std::max<LONG>(source.left, 0), top = std::max<LONG>(source.top, 0);
        const LONG right = std::min(source.right, frame->info->width);
        const LONG bottom = std::min(source.bottom, frame->info->height);
        if (left >= right || top >= bottom) return false; // a bad source, reported as such
        *relative = {std::max(changed.left, left) - left, std::max(changed.top, top) - top,
                     std::min(changed.right, right) - left, std::min(changed.bottom, bottom) - top};
        return relative->left < relative->right && relative->top < relative->bottom;
    }

    bool AddCurrentCell() {
        RECT relative;
        const bool given = CellChanged(&relative);
        return owner.AddCell(frame, &source, originX, originY, time, given ? &relative : nullptr);
    }

    void CutRect(const char* value) {
        ReadRect(value, &source);
        AddCurrentCell();
    }

    // Whole tiles only, row by row from the top left; a failed cell ends the cutting.
    void CutTiles(const char* value) {
        LONG size[2] = {0, 0};
        ReadDecimalList(value, size, 2);
        const LONG width = size[0], height = size[1];
        if (width < 1 || height < 1) return;
        const int64_t frameWidth = frame->info->width, frameHeight = frame->info->height;
        for (int64_t top = 0; top + height <= frameHeight; top += height) {
            for (int64_t left = 0; left + width <= frameWidth; left += width) {
                const RECT tile = {LONG(left), LONG(top), LONG(left + width), LONG(top + height)};
                if (!owner.AddCell(frame, &tile, originX, originY, time, nullptr)) return;
            }
        }
    }

    void ChooseFrame(const char* value) {
        if (pending == Pending::SourceFrame) AddCurrentCell();
        LONG number = 0;
        ReadDecimalList(value, &number, 1);
        image->SeekFrame(number, 0);
        if (!TakeFrame()) return CloseFile();
        pending = Pending::SourceFrame;
    }

    // What is still pending becomes cells; a whole file gives a cell for every frame.
    void FinishFile() {
        if (!image) return;
        if (pending != Pending::None) AddCurrentCell();
        if (pending == Pending::WholeFile) CutRemainingFrames();
        CloseFile();
    }

    // A failed cell (no memory, the bound) ends the cutting rather than failing each frame.
    void CutRemainingFrames() {
        const LONG count = image->formatInfo->frameCount;
        for (LONG i = 1; i < count; ++i) {
            image->SeekFrame(i, 0);
            if (!TakeFrame() || !AddCurrentCell()) return;
        }
    }

    void CloseFile() {
        DropFrame();
        pending = Pending::None;
        if (!image) return;
        static_cast<mFile*>(image)->Close();
        delete image;
        image = nullptr;
    }

    // The frame bitmap goes unless a cell holds it.
    void DropFrame() {
        if (frame && frame->useCount == 0) delete frame;
        frame = nullptr;
    }

    mImageBitmap& owner;
    mFile& stream;
    mImage* image = nullptr;
    mBitmap* frame = nullptr;
    RECT source = {0, 0, 0, 0};
    RECT changed = {0, 0, 0, 0};
    bool changedFromImage = false;
    LONG originX = 0;
    LONG originY = 0;
    DWORD time = 0;
    Pending pending = Pending::None;
};

} // namespace

LONG mImageBitmap::ParseDescription(mFile* stream) {
    if (!stream || !stream->State()->open) return 0;
    return DescriptionReader(*this, *stream).Run();
}
