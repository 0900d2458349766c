#include "shell/entry/Recording.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/SaverScene.h"
#include "platform/drivers/display/capture.h"
#include "platform/kernel32/virtual_clock.h"
#include "shell/SaverWindow.h"
#include "shell/ShellState.h"
#include "shell/entry/GifRecorder.h"

namespace {

struct RecordingRequest {
    std::string output;
    int seconds = 0;
    std::string desktopSize = "1024x768";
    SIZE box{152, 112};
    bool preview = false;
    bool modeGiven = false;
};

bool ParseSize(const char* text, SIZE* size) {
    int width = 0;
    int height = 0;
    char tail = 0;
    if (std::sscanf(text, "%dx%d%c", &width, &height, &tail) != 2) return false;
    if (width < 1 || height < 1 || width > 8192 || height > 8192) return false;
    *size = {width, height};
    return true;
}

bool ParseMode(const char* text, RecordingRequest* request) {
    const char* letter = text[0] == '/' || text[0] == '-' ? text + 1 : text;
    if (std::strlen(letter) != 1) return false;
    const char c = letter[0] | 0x20;
    if (c != 's' && c != 'p') return false;
    request->preview = c == 'p';
    request->modeGiven = true;
    return true;
}

bool ParseArguments(int argc, char** argv, RecordingRequest* request) {
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        SIZE size{};
        if (i == 2) {
            request->output = arg;
        } else if (arg == "--seconds" && hasValue) {
            request->seconds = std::atoi(argv[++i]);
        } else if (arg == "--size" && hasValue && ParseSize(argv[i + 1], &size)) {
            request->desktopSize = argv[++i];
        } else if (arg == "--box" && hasValue && ParseSize(argv[i + 1], &size)) {
            request->box = size;
            ++i;
        } else if (!ParseMode(argv[i], request)) {
            return false;
        }
    }
    return !request->output.empty() && request->seconds > 0 && request->modeGiven;
}

HWND CreatePreviewBox(SIZE box) {
    WNDCLASSA boxClass{};
    boxClass.lpfnWndProc = DefWindowProcA;
    boxClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    boxClass.lpszClassName = "LumarisPreviewBox";
    RegisterClassA(&boxClass);
    return CreateWindowExA(0, boxClass.lpszClassName, "Preview box", WS_POPUP | WS_VISIBLE, 0, 0,
                           box.cx, box.cy, nullptr, nullptr, nullptr, nullptr);
}

// The saver's own message loop, capturing the picture of `shown` (the saver's top-level
// window) after every frame drawn.
int RecordUntilQuit(HWND saver, HWND shown, const RecordingRequest& request, GifRecorder& gif) {
    const DWORD end = GetTickCount() + DWORD(request.seconds) * 1000;
    int presents = platform::PresentCount();
    bool closing = false;
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
        if (message.message != FrameTick) continue;
        if (platform::PresentCount() != presents) {
            presents = platform::PresentCount();
            platform::CapturedPicture picture;
            if (platform::CaptureTopLevel(shown, &picture))
                gif.AddFrame(std::move(picture), GetTickCount());
        }
        if (!closing && int(GetTickCount() - end) >= 0) {
            closing = true;
            PostMessageA(saver, WM_CLOSE, 0, 0);
        }
    }
    return int(message.wParam);
}

} // namespace

int RunRecording(int argc, char** argv) {
    RecordingRequest request;
    if (!ParseArguments(argc, argv, &request)) {
        std::fputs("usage: lumaris --record OUT.gif --seconds N [--size WxH] [--box WxH] /s|/p\n",
                   stderr);
        return 2;
    }
    setenv("LUMARIS_DISPLAY", "headless", 1);
    setenv("LUMARIS_DESKTOP_SIZE", request.desktopSize.c_str(), 1);
    platform::UseVirtualClock(0);
    shellState.moduleHandle = GetModuleHandleA(nullptr);

    GifRecorder gif(request.output);
    if (!gif.IsOpen()) {
        std::fprintf(stderr, "lumaris: cannot write %s\n", request.output.c_str());
        return 1;
    }
    HWND parent = request.preview ? CreatePreviewBox(request.box) : nullptr;
    HWND saver = CreateSaverWindow(parent);
    if (!saver) return 1;
    RecordUntilQuit(saver, parent ? parent : saver, request, gif);
    const bool written = gif.Finish();
    std::fprintf(stderr, "lumaris: %d frames written to %s\n", gif.FramesWritten(),
                 request.output.c_str());
    return written ? 0 : 1;
}
