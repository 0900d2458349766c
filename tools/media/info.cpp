// info FILE: the image's FormatInfo and PlaybackInfo as the engine reads them.
#include <cstdio>

#include "tools/media/OpenImage.h"
#include "tools/media/commands.h"

namespace {

void PrintTag(DWORD tag) {
    char letters[5] = {char(tag), char(tag >> 8), char(tag >> 16), char(tag >> 24), 0};
    std::printf("type:             %s\n", letters);
}

void PrintFormat(const FormatInfo& f) {
    PrintTag(f.typeTag);
    std::printf("frames:           %ld\n", long(f.frameCount));
    std::printf("file size:        %ld bytes\n", long(f.fileSize));
    std::printf("size:             %ld x %ld\n", long(f.width), long(f.height));
    std::printf("kind:             %ld\n", long(f.kind));
}

void PrintPlayback(const PlaybackInfo& p) {
    std::printf("current frame:    %ld\n", long(p.currentFrame));
    std::printf("frame data size:  %ld bytes\n", long(p.frameDataSize));
    std::printf("frame time:       %ld ms\n", long(p.frameTime));
    std::printf("depth:            %ld bits, %ld plane(s)\n", long(p.bitsPerPixel), long(p.planes));
    std::printf("origin:           %ld, %ld\n", long(p.originX), long(p.originY));
    std::printf("changed:          %ld, %ld, %ld, %ld\n", long(p.changed.left), long(p.changed.top),
                long(p.changed.right), long(p.changed.bottom));
    std::printf("transparent:      %s, key colour %ld\n", p.transparent ? "on" : "off",
                long(p.keyColour));
    std::printf("remap:            %s\n", p.remap ? "on" : "off");
    std::printf("auto-advance:     %s\n", p.autoAdvance ? "on" : "off");
}

} // namespace

int RunInfo(const char* file) {
    if (IsWaveFile(file)) return RunWaveInfo(file);
    OpenImage image;
    if (!image.Open(file)) return 1;
    std::printf("file:             %s\n", file);
    PrintFormat(image.Format());
    PrintPlayback(image.Playback());
    return 0;
}
