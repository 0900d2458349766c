// AVI movies played as an image: the RIFF "AVI " structure read from the image's own stream,
// the chosen video stream decompressed frame by frame through the platform's Video
// Compression Manager into an 8-bit frame bitmap, and the chosen audio stream's chunks, met
// between the video chunks, fed into the wave playback the image inherits. The movie's
// stream is also the sound's stream.
#pragma once

#include "engine/gfx/mBitmap.h"
#include "engine/media/AviFormat.h"
#include "engine/media/mAudioWAV.h"
#include "engine/media/mImage.h"

class mImageAVI : public mAudioWAV, public mImage {
public:
    mImageAVI();
    ~mImageAVI() override;

    // Parses the headers, chooses the streams, opens the decompressor and creates the frame
    // bitmap. 0 without a report for a file that is not a usable AVI movie.
    BOOL ReadHeader() override;
    LONG WriteHeader() override;
    // Decompresses the current frame if needed, draws it and advances. The frame last
    // decompressed, or -1.
    LONG Draw(LONG x, LONG y, const RECT* clip) override;
    LONG WriteFrame(LONG a, LONG b, LONG c) override;
    LONG SeekFrame(LONG n, LONG whence) override;
    void RemapColours() override;
    void SetTransparent(BOOL flag) override;
    void SetKeyColour(LONG colour) override;
    void SetRemap(BOOL flag) override;
    // Chooses audio stream n for the next ReadHeader.
    LONG SetPlayPosition(LONG n) override;

private:
    bool ReadRecord(void* record, LONG size);
    bool ReadStream(LONG index, LONG& audioStreams);
    bool ChooseVideo(LONG index, const avi::StreamHeader& header, DWORD formatSize);
    void ChooseAudio(LONG index, const avi::StreamHeader& header, DWORD formatSize);
    bool LoadVideoFormat(DWORD size);
    bool OpenDecompressor(FOURCC handler);
    bool CopyableFrames() const;
    // The format's colour table, 256 entries (zero where the stream held none).
    RGBQUAD* MovieColours();
    // The frame's colours, which are also the image's palette.
    void TakeColours(const RGBQUAD* colours);
    // Copies an uncompressed frame into the frame bitmap.
    void CopyFrame();
    void CloseDecompressor();
    bool FindMovieAndIndex();

    // Reads chunks until a video frame has been read into the frame buffer and decoded.
    bool DecodeNextFrame();
    // One chunk of the movie list at the stream; sets frameRead for a frame.
    bool ReadChunk(bool& frameRead);
    // Feeds the sound chunks that directly follow the frame just read.
    void FeedFollowingSound();
    void FeedTrailingSound();
    bool ReadFrameData(DWORD size);
    void ApplyPaletteChange(DWORD size);
    bool SkipTo(int64_t end);
    bool GrowFrameBuffer(DWORD size);
    void ApplyKeyColour(LONG colour);
    // Where decoding restarts for frame n, found through the index; -1 when it ends first.
    LONG RestartFromIndex(LONG n);
    int64_t StreamOffset();

    mBitmap frameBitmap;
    avi::MainHeader mainHeader{};
    LONG movieData = 0;
    LONG indexData = 0;
    LONG indexSize = 0;
    LONG bestVideoPriority = 0;
    LONG videoIndex = 0;
    WORD videoStream = 0;
    LONG bestAudioPriority = 0;
    LONG audioIndex = 0;
    FOURCC audioChunk = 0;
    HGLOBAL videoFormatBlock = nullptr;
    BITMAPINFOHEADER* videoFormat = nullptr;
    HIC decompressor = nullptr;
    HGLOBAL frameBlock = nullptr;
    BYTE* frameData = nullptr;
    DWORD frameBufferSize = 0;
    // What the decompressor reads: the compressed-frame buffer, or a movie in memory where
    // it lies.
    const BYTE* frameInput = nullptr;
    LONG decodedFrame = -1;
    BOOL automaticKeyColour = TRUE;
};
