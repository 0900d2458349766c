// info and play for wave sounds, through the engine's own mAudioWAV.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "engine/media/mAudioWAV.h"
#include "tools/media/ConsoleReports.h"
#include "tools/media/commands.h"

namespace {

bool OpenSound(mAudioWAV& sound, const char* file) {
    if (sound.Open(file, 0) && sound.ReadFormat(0)) return true;
    PrintFailure("cannot read the sound", file);
    return false;
}

} // namespace

bool IsWaveFile(const char* file) {
    size_t length = std::strlen(file);
    return length >= 4 && strcasecmp(file + length - 4, ".wav") == 0;
}

int RunWaveInfo(const char* file) {
    mAudioWAV sound;
    if (!OpenSound(sound, file)) return 1;
    const WAVEFORMATEX& format = *sound.Format();
    const RateInfo& rates = *sound.rateInfo;
    std::printf("file:             %s\n", file);
    std::printf("type:             WAVE\n");
    std::printf("format tag:       %u%s\n", format.wFormatTag,
                format.wFormatTag == WAVE_FORMAT_PCM ? " (PCM)" : "");
    std::printf("channels:         %u\n", format.nChannels);
    std::printf("rate:             %lu Hz\n", static_cast<unsigned long>(format.nSamplesPerSec));
    std::printf("bits:             %u\n", format.wBitsPerSample);
    std::printf("block:            %u bytes\n", format.nBlockAlign);
    std::printf("byte rate:        %lu bytes/s\n",
                static_cast<unsigned long>(format.nAvgBytesPerSec));
    std::printf("data:             %lu bytes\n", static_cast<unsigned long>(rates.dataBytes));
    std::printf("length:           %lu units, %lu ms\n",
                static_cast<unsigned long>(rates.lengthUnits),
                static_cast<unsigned long>(rates.lengthMs));
    std::printf("output devices:   %lu\n",
                static_cast<unsigned long>(sound.mediaInfo->deviceCount));
    return 0;
}

// --headless plays on the null device, which keeps time but sounds nothing.
int RunWavePlay(const char* file, bool headless) {
    if (headless) setenv("LUMARIS_AUDIO", "null", 1);
    mAudioWAV sound;
    if (!OpenSound(sound, file)) return 1;
    if (!sound.Play(0, 1)) {
        PrintFailure(sound.mediaInfo->deviceCount ? "the sound output refuses"
                                                  : "no sound output to play",
                     file);
        return 1;
    }
    const DWORD start = GetTickCount();
    MSG message;
    while (sound.mediaInfo->playing && GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    std::printf("played %s in %lu ms\n", file, static_cast<unsigned long>(GetTickCount() - start));
    return 0;
}
