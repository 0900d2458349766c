// Wave-out completion latency on the real clock: from the moment a header's last byte is
// due (null device) or from the write (SDL, whose driver keeps its own time) to the
// MM_WOM_DONE that GetMessageA hands over.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <vector>

#include "platform/testing/audio.h"
#include "platform/win32.h"

namespace {

using Clock = std::chrono::steady_clock;

const bool kHeadless = setenv("LUMARIS_DISPLAY", "headless", 0) == 0;

// 16-bit mono at 44100 Hz; a header of 882 bytes plays 10 ms.
constexpr WAVEFORMATEX kFormat{WAVE_FORMAT_PCM, 1, 44100, 88200, 2, 16, 0};
constexpr DWORD kHeaderBytes = 882;
constexpr double kHeaderMs = 10.0;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND NotifyWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.lpszClassName = "BenchWaveOut";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, "BenchWaveOut", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                           nullptr);
}

void WaitForDone() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0 && msg.message != MM_WOM_DONE)
        DispatchMessageA(&msg);
}

// Milliseconds from the write to the completion, over every iteration.
void MeasureWriteToDone(benchmark::State& state, double* averageMs) {
    HWND window = NotifyWindow();
    HWAVEOUT device = nullptr;
    if (waveOutOpen(&device, WAVE_MAPPER, &kFormat, DWORD_PTR(window), 0, CALLBACK_WINDOW)) {
        state.SkipWithError("no wave-out device");
        DestroyWindow(window);
        return;
    }
    std::vector<char> data(kHeaderBytes);
    WAVEHDR header{};
    header.lpData = data.data();
    header.dwBufferLength = kHeaderBytes;
    double total = 0;
    for (auto _ : state) {
        waveOutPrepareHeader(device, &header, sizeof header);
        auto written = Clock::now();
        waveOutWrite(device, &header, sizeof header);
        WaitForDone();
        total += std::chrono::duration<double, std::milli>(Clock::now() - written).count();
        waveOutUnprepareHeader(device, &header, sizeof header);
    }
    *averageMs = total / double(state.iterations());
    waveOutReset(device);
    waveOutClose(device);
    DestroyWindow(window);
}

void BM_NullDeviceLatencyAfterLastByte(benchmark::State& state) {
    platform::testing::UseAudioDevice(platform::testing::AudioDevice::null);
    double writeToDone = 0;
    MeasureWriteToDone(state, &writeToDone);
    state.counters["late_ms"] = writeToDone - kHeaderMs;
    state.counters["header_ms"] = kHeaderMs;
}
BENCHMARK(BM_NullDeviceLatencyAfterLastByte)->Iterations(50);

// SDL's dummy driver plays nothing, but calls back at the pace of a real device.
void BM_SdlWriteToDone(benchmark::State& state) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    platform::testing::UseAudioDevice(platform::testing::AudioDevice::sdl);
    double writeToDone = 0;
    MeasureWriteToDone(state, &writeToDone);
    state.counters["write_to_done_ms"] = writeToDone;
    state.counters["header_ms"] = kHeaderMs;
    platform::testing::UseAudioDevice(platform::testing::AudioDevice::null);
}
BENCHMARK(BM_SdlWriteToDone)->Iterations(50);

} // namespace
