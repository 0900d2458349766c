// Test controls of wave-out: which device there is, and what the null device consumed.
#pragma once
#include <vector>

#include "platform/win32.h"

namespace platform::testing {

enum class AudioDevice { none, null, sdl };

// Replaces the audio backend; every handle must be closed. none is a host without any
// sound output; sdl falls back to none where SDL's audio does not start. The null device
// starts recording what it consumes.
void UseAudioDevice(AudioDevice device);

// What the null device offers (WAVE_FORMAT_ bits, WAVECAPS_ bits); all formats and
// separate volumes when chosen.
void SetNullAudioCapabilities(DWORD formats, DWORD support);

// What the null device consumed since it was chosen, every stream in order.
const std::vector<BYTE>& NullAudioConsumed();
// The format of every open on the null device.
const std::vector<WAVEFORMATEX>& NullAudioOpened();

} // namespace platform::testing
