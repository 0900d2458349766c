// An animated GIF of a window's pictures, each with its own colour table and the time it was
// shown. A frame is written once the next one arrives, so its delay is known.
#pragma once
#include <gif_lib.h>

#include <string>

#include "platform/drivers/display/capture.h"

class GifRecorder {
public:
    explicit GifRecorder(const std::string& path);
    ~GifRecorder();
    GifRecorder(const GifRecorder&) = delete;
    GifRecorder& operator=(const GifRecorder&) = delete;

    bool IsOpen() const { return file != nullptr; }
    // A picture first shown at `milliseconds`; all pictures have the first one's size.
    void AddFrame(platform::CapturedPicture picture, DWORD milliseconds);
    // Writes the last frame and closes the file; false when anything failed.
    bool Finish();
    int FramesWritten() const { return written; }
    // Why opening or writing failed, in words.
    std::string Problem() const;

private:
    bool WriteFrame(const platform::CapturedPicture& picture, int delayCentiseconds);
    bool WriteFrameNotingError(const platform::CapturedPicture& picture, int delayCentiseconds);
    bool WriteHeader(LONG width, LONG height);

    GifFileType* file = nullptr;
    bool headerWritten = false;
    bool failed = false;
    bool havePending = false;
    platform::CapturedPicture pending;
    DWORD pendingTime = 0;
    int written = 0;
    int systemError = 0; // errno of the first failure, 0 when it had none
};
