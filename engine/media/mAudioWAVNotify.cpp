// The hidden window that receives the device's buffer-done messages on the owner's thread.
#include "engine/media/mAudioWAV.h"

namespace {

constexpr char kClassName[] = "mAudio";

HINSTANCE Instance() {
    return mObject::resourceModule ? mObject::resourceModule : GetModuleHandleA(nullptr);
}

} // namespace

bool mAudioWAV::OpenNotifyWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = NotifyProc;
    windowClass.hInstance = Instance();
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszClassName = kClassName;
    // Fails while another sound's window holds the class, which is then used as it is.
    RegisterClassA(&windowClass);
    notifyWindow = CreateWindowExA(0, kClassName, "", WS_DISABLED, 0, 0, 0, 0, nullptr, nullptr,
                                   Instance(), nullptr);
    if (!notifyWindow) UnregisterClassA(kClassName, Instance());
    return notifyWindow != nullptr;
}

// The class stays while a window of another sound still uses it.
void mAudioWAV::CloseNotifyWindow() {
    if (!notifyWindow) return;
    DestroyWindow(notifyWindow);
    notifyWindow = nullptr;
    UnregisterClassA(kClassName, Instance());
}

LRESULT CALLBACK mAudioWAV::NotifyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != MM_WOM_DONE) return DefWindowProcA(window, message, wParam, lParam);
    auto* header = reinterpret_cast<WAVEHDR*>(lParam);
    auto from = reinterpret_cast<HWAVEOUT>(wParam);
    waveOutUnprepareHeader(from, header, sizeof *header);
    reinterpret_cast<mAudioWAV*>(header->dwUser)->BufferDone(from, header);
    return 0;
}
