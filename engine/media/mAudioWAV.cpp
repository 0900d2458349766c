// Construction from the device's capabilities, volume, and the slots that only convert.
#include "engine/media/mAudioWAV.h"

#include <algorithm>

namespace {

struct DeviceFormat {
    DWORD flag;
    DWORD rate;
    DWORD bits;
    DWORD channels;
};

// In rising order of quality: the last one the device offers is its best.
constexpr DeviceFormat kDeviceFormats[] = {
    {WAVE_FORMAT_1M08, 11025, 8, 1},  {WAVE_FORMAT_1S08, 11025, 8, 2},
    {WAVE_FORMAT_2M08, 22050, 8, 1},  {WAVE_FORMAT_2S08, 22050, 8, 2},
    {WAVE_FORMAT_4M08, 44100, 8, 1},  {WAVE_FORMAT_4S08, 44100, 8, 2},
    {WAVE_FORMAT_1M16, 11025, 16, 1}, {WAVE_FORMAT_1S16, 11025, 16, 2},
    {WAVE_FORMAT_2M16, 22050, 16, 1}, {WAVE_FORMAT_2S16, 22050, 16, 2},
    {WAVE_FORMAT_4M16, 44100, 16, 1}, {WAVE_FORMAT_4S16, 44100, 16, 2},
};

constexpr DWORD kHasVolume = 1;
constexpr DWORD kHasLeftRight = 2;

} // namespace

mAudioWAV::mAudioWAV() {
    media.length = 1;
    media.position = 0;
    media.deviceCount = waveOutGetNumDevs();
    if (media.deviceCount == 0) return; // never plays: the format tag stays 0
    media.formatTag = kWaveTag;
    media.device = -1;
    ReadDeviceCapabilities();
}

mAudioWAV::~mAudioWAV() {
    if (media.playing) Stop();
    ReleaseFormat();
}

void mAudioWAV::ReadDeviceCapabilities() {
    WAVEOUTCAPSA caps{};
    if (waveOutGetDevCapsA(WAVE_MAPPER, &caps, sizeof caps) != MMSYSERR_NOERROR) {
        media.device = 0;
        caps = WAVEOUTCAPSA{};
        waveOutGetDevCapsA(0, &caps, sizeof caps);
    }
    for (const DeviceFormat& offered : kDeviceFormats) {
        if (!(caps.dwFormats & offered.flag)) continue;
        media.bestRate = offered.rate;
        media.bestBits = offered.bits;
        media.bestChannels = offered.channels;
    }
    if (caps.dwSupport & WAVECAPS_VOLUME) media.volumeCaps |= kHasVolume;
    if (caps.dwSupport & WAVECAPS_LRVOLUME) media.volumeCaps |= kHasLeftRight;
    if (media.volumeCaps & kHasVolume) ReadDeviceVolume();
}

namespace {

// The volume calls take a device id where a handle would go; the mapper is asked as 0.
HWAVEOUT VolumeDevice(LONG device) {
    return reinterpret_cast<HWAVEOUT>(UINT_PTR(device < 0 ? 0 : device));
}

} // namespace

void mAudioWAV::ReadDeviceVolume() {
    DWORD volume = 0;
    waveOutGetVolume(VolumeDevice(media.device), &volume);
    WORD left = LOWORD(volume);
    WORD right = (media.volumeCaps & kHasLeftRight) ? HIWORD(volume) : left;
    media.volume = DWORD(left) | DWORD(right) << 16;
}

LONG mAudioWAV::SetVolume(DWORD left, DWORD right) {
    if (media.deviceCount == 0 || !(media.volumeCaps & kHasVolume)) return 0;
    left &= 0xFFFF;
    right &= 0xFFFF;
    DWORD value = (media.volumeCaps & kHasLeftRight) ? right << 16 | left : (left + right) / 2;
    waveOutSetVolume(VolumeDevice(media.device), value);
    ReadDeviceVolume();
    return 1;
}

LONG mAudioWAV::WriteFormat(DWORD) {
    Error(classAudioWAV, errNotImplemented);
    return 0;
}

LONG mAudioWAV::ReadData(LPVOID destination, LONG count) {
    return Read(destination, LONG(ToBytes(DWORD(count))));
}

LONG mAudioWAV::WriteData(LPCVOID source, LONG count) {
    LONG bytes = LONG(ToBytes(DWORD(count)));
    Write(source, bytes);
    return bytes;
}

LONG mAudioWAV::SetPlayPosition(LONG) {
    media.playPosition = 0;
    return 0;
}

DWORD mAudioWAV::DataBytesLeft() const {
    return rates.dataBytes - media.playPosition;
}

// A position past the data would play whatever follows it in the file (or seek past the
// end of a memory stream), so it stops at the end of the data.
LONG mAudioWAV::MovePlayPosition(LONG n, LONG whence) {
    if (media.playing) return 0;
    if (!format && !ReadFormat(0)) return 0;
    DWORD bytes = ToBytes(DWORD(n));
    DWORD& position = media.playPosition;
    if (whence == 0) position = bytes;
    if (whence == 1) position += bytes;
    if (whence == 2) position = rates.dataBytes - bytes;
    position = std::min(position, rates.dataBytes);
    return LONG(FromBytes(position));
}

// At least one buffer of at least 4 bytes: an empty ring has nothing to queue into and an
// empty buffer would be sent round the device forever without the sound moving on.
void mAudioWAV::SetBuffering(DWORD duration, DWORD count) {
    bufferSize = std::max<DWORD>((ToBytes(duration) + 3) & ~DWORD(3), 4);
    bufferCount = std::max<DWORD>(count, 1);
}
