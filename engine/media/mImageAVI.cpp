// Construction, destruction and the image slots of the AVI image that are not about frames.
#include "engine/media/mImageAVI.h"

mImageAVI::mImageAVI() {
    // The sound is fed by the video chunk walk, one audio chunk at a time: a buffer coming
    // back must not refill itself from the stream, which stands among the video chunks.
    autoQueue = FALSE;
}

mImageAVI::~mImageAVI() {
    if (videoFormatBlock) {
        GlobalUnlock(videoFormatBlock);
        GlobalFree(videoFormatBlock);
    }
    if (frameBlock) {
        GlobalUnlock(frameBlock);
        GlobalFree(frameBlock);
    }
    CloseDecompressor();
    mImage::SetTarget(nullptr);
    if (useCount != 0) {
        Warning(classImageAVI, errStillInUse);
        useCount = 0;
    }
}

LONG mImageAVI::WriteHeader() {
    Error(classImageAVI, errNotImplemented, "WriteHeader()");
    return 0;
}

LONG mImageAVI::WriteFrame(LONG, LONG, LONG) {
    Error(classImageAVI, errNotImplemented, "WriteFrame()");
    return 0;
}

void mImageAVI::RemapColours() {
    if (playback.remap && target) colourMapResult = frameBitmap.BuildColourMap(target);
}

void mImageAVI::SetTransparent(BOOL flag) {
    mImage::SetTransparent(flag);
    frameBitmap.SetTransparent(flag);
}

void mImageAVI::SetKeyColour(LONG colour) {
    ApplyKeyColour(colour);
    automaticKeyColour = FALSE;
}

void mImageAVI::ApplyKeyColour(LONG colour) {
    mImage::SetKeyColour(colour);
    frameBitmap.SetKeyColour(DWORD(colour));
}

void mImageAVI::SetRemap(BOOL flag) {
    mImage::SetRemap(flag);
    frameBitmap.SetMapColours(flag);
    playback.paletteChanged = !flag;
}

LONG mImageAVI::SetPlayPosition(LONG n) {
    audioIndex = n;
    audioChunk = MAKELONG(avi::StreamDigits(n), avi::kWaveBytes);
    bestAudioPriority = 99;
    media.position = n;
    return n;
}

void mImageAVI::CloseDecompressor() {
    if (!decompressor) return;
    ICDecompressEnd(decompressor);
    ICClose(decompressor);
    decompressor = nullptr;
}
