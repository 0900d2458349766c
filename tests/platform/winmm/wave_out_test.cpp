// Wave-out on the null device under the virtual clock: the header life cycle and its
// refusals, completions posted to the notify window when the last byte is due, pause,
// reset, close and volume.
#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "platform/testing/audio.h"
#include "platform/testing/clock.h"
#include "platform/win32.h"

namespace {

using platform::testing::AudioDevice;

static_assert(sizeof(WAVEFORMATEX) == 18, "the stored layout, packed");
static_assert(sizeof(WAVEOUTCAPSA) == 52, "the size the callers pass");

// 8-bit mono at 1000 Hz: one byte a millisecond.
constexpr WAVEFORMATEX kMilliByte{WAVE_FORMAT_PCM, 1, 1000, 1000, 1, 8, 0};

struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<Message> received;

LRESULT CALLBACK Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= MM_WOM_OPEN && message <= MM_WOM_DONE) {
        received.push_back({message, wParam, lParam});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class WaveOut : public ::testing::Test {
protected:
    void SetUp() override {
        platform::testing::UseAudioDevice(AudioDevice::null);
        platform::testing::UseVirtualClock(5000);
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = Record;
        windowClass.lpszClassName = "WaveOutTest";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "WaveOutTest", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                                 nullptr);
        received.clear();
    }

    void TearDown() override {
        if (device) {
            waveOutReset(device);
            waveOutClose(device);
        }
        DestroyWindow(window);
        UnregisterClassA("WaveOutTest", nullptr);
        platform::testing::UseRealClock();
        platform::testing::UseAudioDevice(AudioDevice::null);
    }

    void Open(const WAVEFORMATEX& format = kMilliByte) {
        ASSERT_EQ(waveOutOpen(&device, WAVE_MAPPER, &format, DWORD_PTR(window), 0, CALLBACK_WINDOW),
                  MMSYSERR_NOERROR);
    }

    WAVEHDR* Write(std::vector<char>& data) {
        headers.push_back(WAVEHDR{});
        WAVEHDR* header = &headers.back();
        header->lpData = data.data();
        header->dwBufferLength = DWORD(data.size());
        EXPECT_EQ(waveOutPrepareHeader(device, header, sizeof *header), MMSYSERR_NOERROR);
        EXPECT_EQ(waveOutWrite(device, header, sizeof *header), MMSYSERR_NOERROR);
        return header;
    }

    void Pump() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }

    std::vector<UINT> Kinds() {
        std::vector<UINT> kinds;
        for (const Message& message : received)
            kinds.push_back(message.message);
        return kinds;
    }

    HWND window = nullptr;
    HWAVEOUT device = nullptr;
    std::deque<WAVEHDR> headers;
};

TEST_F(WaveOut, OneDeviceWithEveryClassicFormatOrNoneAtAll) {
    EXPECT_EQ(waveOutGetNumDevs(), 1u);
    WAVEOUTCAPSA caps{};
    ASSERT_EQ(waveOutGetDevCapsA(WAVE_MAPPER, &caps, sizeof caps), MMSYSERR_NOERROR);
    EXPECT_EQ(caps.dwFormats, 0xFFFu);
    EXPECT_EQ(caps.wChannels, 2);
    EXPECT_EQ(caps.dwSupport, DWORD(WAVECAPS_VOLUME | WAVECAPS_LRVOLUME));
    EXPECT_EQ(waveOutGetDevCapsA(1, &caps, sizeof caps), MMSYSERR_BADDEVICEID);

    platform::testing::UseAudioDevice(AudioDevice::none);
    EXPECT_EQ(waveOutGetNumDevs(), 0u);
    EXPECT_NE(waveOutGetDevCapsA(0, &caps, sizeof caps), MMSYSERR_NOERROR);
    EXPECT_NE(waveOutOpen(&device, WAVE_MAPPER, &kMilliByte, DWORD_PTR(window), 0, CALLBACK_WINDOW),
              MMSYSERR_NOERROR);
    device = nullptr;
}

TEST_F(WaveOut, RefusesFormatsItCannotTimeAndAnswersQueries) {
    WAVEFORMATEX format = kMilliByte;
    format.wFormatTag = 2; // compressed
    EXPECT_EQ(waveOutOpen(&device, 0, &format, 0, 0, CALLBACK_NULL), WAVERR_BADFORMAT);
    format = kMilliByte;
    format.nBlockAlign = 2; // disagrees with 8-bit mono
    EXPECT_EQ(waveOutOpen(&device, 0, &format, 0, 0, CALLBACK_NULL), WAVERR_BADFORMAT);
    format = kMilliByte;
    format.nChannels = 0;
    EXPECT_EQ(waveOutOpen(&device, 0, &format, 0, 0, CALLBACK_NULL), WAVERR_BADFORMAT);
    EXPECT_EQ(waveOutOpen(nullptr, 0, &kMilliByte, 0, 0, WAVE_FORMAT_QUERY), MMSYSERR_NOERROR);
    EXPECT_EQ(waveOutOpen(&device, 0, &kMilliByte, DWORD_PTR(0x1234), 0, CALLBACK_WINDOW),
              MMSYSERR_INVALPARAM);
    device = nullptr;
}

TEST_F(WaveOut, HeaderIsDoneWhenItsLastByteIsDueAndComesBackAsMessage) {
    Open();
    std::vector<char> first(30, 'a'), second(20, 'b');
    WAVEHDR* a = Write(first);
    WAVEHDR* b = Write(second);
    EXPECT_EQ(a->dwFlags, DWORD(WHDR_PREPARED | WHDR_INQUEUE));
    platform::testing::AdvanceClock(29);
    Pump();
    EXPECT_EQ(Kinds(), (std::vector<UINT>{MM_WOM_OPEN}));
    platform::testing::AdvanceClock(1);
    Pump();
    ASSERT_EQ(Kinds(), (std::vector<UINT>{MM_WOM_OPEN, MM_WOM_DONE}));
    EXPECT_EQ(received[1].wParam, WPARAM(device));
    EXPECT_EQ(received[1].lParam, LPARAM(a));
    EXPECT_EQ(a->dwFlags, DWORD(WHDR_PREPARED | WHDR_DONE));
    EXPECT_EQ(b->dwFlags & WHDR_DONE, 0u);
    platform::testing::AdvanceClock(20);
    Pump();
    EXPECT_EQ(received.back().lParam, LPARAM(b));
    std::vector<BYTE> expected(30, 'a');
    expected.insert(expected.end(), 20, 'b');
    EXPECT_EQ(platform::testing::NullAudioConsumed(), expected);
}

TEST_F(WaveOut, GetMessageWaitsOnTheVirtualClockForTheCompletion) {
    Open();
    std::vector<char> data(250, 1);
    Write(data);
    DWORD start = GetTickCount();
    MSG msg;
    do {
        ASSERT_GT(GetMessageA(&msg, nullptr, 0, 0), 0);
    } while (msg.message != MM_WOM_DONE);
    EXPECT_EQ(GetTickCount() - start, 250u);
}

TEST_F(WaveOut, PausedDeviceConsumesNothingUntilRestarted) {
    Open();
    std::vector<char> data(100, 1);
    Write(data);
    platform::testing::AdvanceClock(40);
    EXPECT_EQ(waveOutPause(device), MMSYSERR_NOERROR);
    platform::testing::AdvanceClock(500);
    Pump();
    EXPECT_EQ(platform::testing::NullAudioConsumed().size(), 40u);
    EXPECT_EQ(waveOutRestart(device), MMSYSERR_NOERROR);
    platform::testing::AdvanceClock(59);
    Pump();
    EXPECT_EQ(received.back().message, UINT(MM_WOM_OPEN));
    platform::testing::AdvanceClock(1);
    Pump();
    EXPECT_EQ(received.back().message, UINT(MM_WOM_DONE));
}

TEST_F(WaveOut, QueuedHeadersHoldTheDeviceUntilResetReturnsThemAll) {
    Open();
    std::vector<char> first(30), second(30);
    WAVEHDR* a = Write(first);
    WAVEHDR* b = Write(second);
    EXPECT_EQ(waveOutWrite(device, a, sizeof *a), WAVERR_STILLPLAYING);
    EXPECT_EQ(waveOutUnprepareHeader(device, a, sizeof *a), WAVERR_STILLPLAYING);
    EXPECT_EQ(waveOutClose(device), WAVERR_STILLPLAYING);
    EXPECT_EQ(waveOutReset(device), MMSYSERR_NOERROR);
    EXPECT_EQ(a->dwFlags, DWORD(WHDR_PREPARED | WHDR_DONE));
    EXPECT_EQ(b->dwFlags, DWORD(WHDR_PREPARED | WHDR_DONE));
    EXPECT_EQ(waveOutUnprepareHeader(device, a, sizeof *a), MMSYSERR_NOERROR);
    EXPECT_EQ(a->dwFlags, DWORD(WHDR_DONE));
    EXPECT_EQ(waveOutWrite(device, a, sizeof *a), WAVERR_UNPREPARED);
    HWAVEOUT closed = device;
    EXPECT_EQ(waveOutClose(device), MMSYSERR_NOERROR);
    device = nullptr;
    Pump();
    EXPECT_EQ(Kinds(), (std::vector<UINT>{MM_WOM_OPEN, MM_WOM_DONE, MM_WOM_DONE, MM_WOM_CLOSE}));
    EXPECT_EQ(received[1].lParam, LPARAM(a));
    EXPECT_EQ(received[2].lParam, LPARAM(b));
    EXPECT_EQ(waveOutReset(closed), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(waveOutClose(closed), MMSYSERR_INVALHANDLE);
}

TEST_F(WaveOut, EmptyHeaderComesBackAtOnce) {
    Open();
    std::vector<char> none;
    WAVEHDR* header = Write(none);
    Pump();
    EXPECT_EQ(received.back().lParam, LPARAM(header));
}

TEST_F(WaveOut, SmallHeadersTooShortForTheApiAreRefused) {
    Open();
    WAVEHDR header{};
    EXPECT_EQ(waveOutPrepareHeader(device, &header, sizeof header - 1), MMSYSERR_INVALPARAM);
    EXPECT_EQ(waveOutPrepareHeader(device, nullptr, sizeof header), MMSYSERR_INVALPARAM);
}

TEST_F(WaveOut, VolumeBelongsToTheDeviceByIdOrHandle) {
    EXPECT_EQ(waveOutSetVolume(nullptr, 0x40008000), MMSYSERR_NOERROR);
    Open();
    DWORD volume = 0;
    EXPECT_EQ(waveOutGetVolume(device, &volume), MMSYSERR_NOERROR);
    EXPECT_EQ(volume, 0x40008000u);
    EXPECT_EQ(waveOutGetVolume(reinterpret_cast<HWAVEOUT>(3), &volume), MMSYSERR_BADDEVICEID);
}

} // namespace
