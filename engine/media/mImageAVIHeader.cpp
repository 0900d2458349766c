// ReadHeader of the AVI image: the main header, the stream lists (choosing one video and one
// audio stream by priority), the movie list and the index.
#include <algorithm>
#include <cstring>

#include "engine/media/mImageAVI.h"

namespace {

bool SideUsable(DWORD side) {
    return side > 0 && side <= DWORD(kMaxImageSide);
}

} // namespace

int64_t mImageAVI::StreamOffset() {
    StreamState* stream = State();
    return int64_t(stream->bufferOffset) + (stream->current - stream->bufferStart);
}

// A record of the chunk just found: as much as the chunk holds, the rest zero. Stream
// headers of 56 bytes, common in real files, thus never read into the next chunk.
bool mImageAVI::ReadRecord(void* record, LONG size) {
    LONG stored = State()->lastChunkSize;
    LONG n = stored >= 0 && stored < size ? stored : size;
    std::memset(record, 0, size_t(size));
    if (Require(n) < n) return false;
    std::memcpy(record, State()->current, size_t(n));
    return SkipToChunkEnd() >= 0;
}

BOOL mImageAVI::ReadHeader() {
    if (!State()->open) return FALSE;
    if (!DescendRiff(avi::kFormAvi) || !DescendList(avi::kHeaderList) ||
        !FindChunk(avi::kMainHeader) || !ReadRecord(&mainHeader, sizeof mainHeader))
        return FALSE;
    if (!SideUsable(mainHeader.width) || !SideUsable(mainHeader.height)) return FALSE;
    mImage::format.frameCount = LONG(std::min<DWORD>(mainHeader.totalFrames, INT32_MAX));
    mImage::format.width = playback.width = LONG(mainHeader.width);
    mImage::format.height = playback.height = LONG(mainHeader.height);
    playback.changed = RECT{0, 0, mImage::format.width, mImage::format.height};
    mImage::format.kind = 0;
    mImage::format.fileSize = State()->size;
    playback.currentFrame = 0;
    playback.frameTime = LONG(mainHeader.microSecPerFrame / 1000);
    playback.originX = playback.originY = 0;
    decodedFrame = -1;
    LONG audioStreams = 0;
    LONG streams = LONG(std::min<DWORD>(mainHeader.streams, avi::kMaxStreams));
    for (LONG i = 0; i < streams; ++i)
        if (!ReadStream(i, audioStreams)) return FALSE;
    if (!videoFormat) return FALSE; // no video stream at all
    Ascend();
    if (audioStreams == 0) media.formatTag = avi::kNoSound;
    if (!FindMovieAndIndex()) return FALSE;
    return Seek(movieData, 0) >= 0;
}

bool mImageAVI::ReadStream(LONG index, LONG& audioStreams) {
    avi::StreamHeader header;
    if (!DescendList(avi::kStreamList) || !FindChunk(avi::kStreamHeader) ||
        !ReadRecord(&header, sizeof header) || !FindChunk(avi::kStreamFormat))
        return false;
    DWORD formatSize = DWORD(State()->lastChunkSize);
    if (header.type == avi::kVideoStream) {
        if (!ChooseVideo(index, header, formatSize)) return false;
    } else if (header.type == avi::kAudioStream) {
        ++audioStreams;
        ChooseAudio(index, header, formatSize);
    }
    return Ascend() >= 0;
}

bool mImageAVI::ChooseVideo(LONG index, const avi::StreamHeader& header, DWORD formatSize) {
    if (LONG(header.priority) < bestVideoPriority && index != videoIndex) return true;
    bestVideoPriority = header.priority;
    videoIndex = index;
    if (!LoadVideoFormat(formatSize)) return false;
    videoStream = avi::StreamDigits(index);
    // No frame is larger than the file: a damaged size must not ask for gigabytes.
    DWORD suggested = std::min(header.suggestedBufferSize, DWORD(std::max<LONG>(State()->size, 0)));
    if (suggested && !GrowFrameBuffer(suggested)) return false;
    if (!frameBitmap.Create(mImage::format.width, mImage::format.height, 8)) return false;
    CloseDecompressor();
    // Uncompressed frames are copied here: no system promises a decompressor for them.
    if (videoFormat->biCompression == BI_RGB) {
        TakeColours(MovieColours());
        return CopyableFrames();
    }
    FOURCC handler = header.handler == avi::kRleHandler ? avi::kMrleHandler : header.handler;
    return OpenDecompressor(handler);
}

// The block always has room for a header and 256 colours, zero-filled, and the header must
// be the 40-byte one: the decompressor reads the colour table behind it by what the header
// claims, which a short chunk would not hold.
bool mImageAVI::LoadVideoFormat(DWORD size) {
    if (!videoFormatBlock) {
        videoFormatBlock = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, avi::kVideoFormatSize);
        videoFormat = videoFormatBlock
                          ? static_cast<BITMAPINFOHEADER*>(GlobalLock(videoFormatBlock))
                          : nullptr;
        if (!videoFormat) {
            Error(classImageAVI, errOutOfMemory);
            return false;
        }
    }
    std::memset(videoFormat, 0, avi::kVideoFormatSize);
    DWORD kept = std::min(size, avi::kVideoFormatSize);
    if (Read(videoFormat, LONG(kept)) != LONG(kept) ||
        videoFormat->biSize != sizeof(BITMAPINFOHEADER))
        return false;
    DWORD coloursHeld = (kept - sizeof(BITMAPINFOHEADER)) / sizeof(RGBQUAD);
    if (videoFormat->biClrUsed == 0 || videoFormat->biClrUsed > coloursHeld)
        videoFormat->biClrUsed = coloursHeld;
    return true;
}

// Frames the copy can take: 8-bit rows of the movie's size, in either row order.
bool mImageAVI::CopyableFrames() const {
    LONG height = videoFormat->biHeight;
    return videoFormat->biBitCount == 8 && videoFormat->biWidth == mImage::format.width &&
           (height == mImage::format.height || height == -mImage::format.height);
}

void mImageAVI::TakeColours(const RGBQUAD* colours) {
    frameBitmap.SetColours(colours, 0, 256);
    playback.palette = frameBitmap.info->colours;
    if (!playback.remap) playback.paletteChanged = TRUE;
    playback.bitsPerPixel = frameBitmap.info->bitsPerPixel;
    playback.planes = frameBitmap.info->planes;
}

RGBQUAD* mImageAVI::MovieColours() {
    return reinterpret_cast<RGBQUAD*>(videoFormat + 1);
}

// The stream's handler code is only a preference: the decompressor is whichever reads the
// format, as the handler codes of files and of installed decompressors often differ.
bool mImageAVI::OpenDecompressor(FOURCC handler) {
    BITMAPINFO* out = frameBitmap.info->header;
    decompressor =
        ICLocate(ICTYPE_VIDEO, handler, videoFormat, &out->bmiHeader, ICMODE_FASTDECOMPRESS);
    if (!decompressor) return false;
    // The frame takes the decompressor's palette (the format's when it offers none) before
    // the decompressor sees the frame's header: one that maps the movie's colours into the
    // frame's colours then maps each to itself. The palette arrives in a header of our own.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } palette{out->bmiHeader, {}};
    if (ICDecompressGetPalette(decompressor, videoFormat, &palette.header) != ICERR_OK)
        std::memcpy(palette.colours, MovieColours(), sizeof palette.colours);
    TakeColours(palette.colours);
    if (ICDecompressBegin(decompressor, videoFormat, &out->bmiHeader) != ICERR_OK) {
        CloseDecompressor();
        return false;
    }
    return true;
}

void mImageAVI::ChooseAudio(LONG index, const avi::StreamHeader& header, DWORD formatSize) {
    if (LONG(header.priority) < bestAudioPriority && index != audioIndex) return;
    bestAudioPriority = header.priority;
    audioIndex = index;
    audioChunk = MAKELONG(avi::StreamDigits(index), avi::kWaveBytes);
    if (!ReadFormat(formatSize)) return;
    rates.lengthUnits = header.length;
    rates.lengthMs = UnitsToMs(header.length);
    rates.dataBytes = UnitsToBytes(header.length);
    SetTimeFormat(timeMs);
    // One frame's sound and a little more per buffer. A chunk finding every buffer still on
    // the device is lost, so the ring holds the initial frames' sound, a second's more (the
    // device falls behind on a busy machine, and the first frame's sound arrives with the
    // next frame) and the chunk writers put after the last frame.
    constexpr DWORD kMostBuffers = 32;
    const DWORD frameMs = mainHeader.microSecPerFrame / 1000;
    const DWORD secondOfFrames = 1000 / std::max<DWORD>(frameMs, 1);
    SetBuffering(
        frameMs + 10,
        std::min(std::min(header.initialFrames, kMostBuffers) + secondOfFrames + 3, kMostBuffers));
}

bool mImageAVI::FindMovieAndIndex() {
    if (!DescendList(avi::kMovieList)) return false;
    movieData = LONG(StreamOffset());
    Ascend();
    mImage::format.typeTag = avi::kFormAvi;
    if (mainHeader.flags & avi::kHasIndex) {
        if (FindChunk(avi::kIndex)) {
            indexData = LONG(StreamOffset());
            indexSize = State()->lastChunkSize;
        } else {
            mainHeader.flags &= ~avi::kHasIndex;
        }
    }
    return true;
}
