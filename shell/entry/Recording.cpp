#include "shell/entry/Recording.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/SaverScene.h"
#include "platform/drivers/display/capture.h"
#include "platform/drivers/display/display_size.h"
#include "platform/kernel32/virtual_clock.h"
#include "shell/SaverWindow.h"
#include "shell/ShellState.h"
#include "shell/entry/GifRecorder.h"
#include "shell/entry/WholeNumber.h"

namespace {

struct RecordingRequest {
    std::string output;
    int seconds = 0;
    SIZE desktop{1024, 768};
    SIZE box{152, 112};
    bool preview = false;
    bool modeGiven = false;
};

// Longer recordings are no use as a GIF, and the end time must stay far inside the range of
// the millisecond clock (a DWORD wraps after 49.7 days).
constexpr long kLongestRecording = 86400;

constexpr char kUsage[] =
    "usage: lumaris --record OUT.gif --seconds N [--size WxH] [--box WxH] /s|/p";

std::string SizeProblem(const char* option, const char* text, SIZE* size) {
    const char* problem = platform::DisplaySizeProblem(text, size);
    return problem ? std::string("lumaris: ") + option + " \"" + text + "\" " + problem : "";
}

std::string SecondsProblem(const char* text, int* seconds) {
    long value = 0;
    if (!ParseWholeNumber(text, 1, kLongestRecording, &value))
        return std::string("lumaris: --seconds \"") + text +
               "\" is not a whole number from 1 to 86400 (one day)";
    *seconds = int(value);
    return {};
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

// The first problem with the arguments, as one line; empty when there is none.
std::string ParseArguments(int argc, char** argv, RecordingRequest* request) {
    std::string problem;
    for (int i = 2; i < argc && problem.empty(); ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (i == 2) {
            request->output = arg;
        } else if (arg == "--seconds" && hasValue) {
            problem = SecondsProblem(argv[++i], &request->seconds);
        } else if (arg == "--size" && hasValue) {
            problem = SizeProblem("--size", argv[++i], &request->desktop);
        } else if (arg == "--box" && hasValue) {
            problem = SizeProblem("--box", argv[++i], &request->box);
        } else if (!ParseMode(argv[i], request)) {
            problem = kUsage;
        }
    }
    const bool complete = !request->output.empty() && request->seconds > 0 && request->modeGiven;
    return problem.empty() && !complete ? kUsage : problem;
}

// A close request (a termination signal) reaches the saver inside first, so it stores its hue
// as at the recording's end; closing the box alone would destroy the saver without asking.
LRESULT CALLBACK PreviewBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        if (HWND saver = GetWindow(box, GW_CHILD)) SendMessageA(saver, WM_CLOSE, 0, 0);
    }
    return DefWindowProcA(box, message, wParam, lParam);
}

HWND CreatePreviewBox(SIZE box) {
    WNDCLASSA boxClass{};
    boxClass.lpfnWndProc = PreviewBoxProc;
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

// Half a picture is no picture: nothing is left behind. Only a plain file is removed: the
// output may name a device (/dev/full) or a link, which are not ours to delete.
bool RemoveHalfPicture(const std::string& path) {
    struct stat status;
    return lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           std::remove(path.c_str()) == 0;
}

} // namespace

int RunRecording(int argc, char** argv) {
    RecordingRequest request;
    const std::string problem = ParseArguments(argc, argv, &request);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 2;
    }
    const std::string desktop =
        std::to_string(request.desktop.cx) + "x" + std::to_string(request.desktop.cy);
    setenv("LUMARIS_DISPLAY", "headless", 1);
    setenv("LUMARIS_DESKTOP_SIZE", desktop.c_str(), 1);
    platform::UseVirtualClock(0);
    shellState.moduleHandle = GetModuleHandleA(nullptr);

    GifRecorder gif(request.output);
    if (!gif.IsOpen()) {
        std::fprintf(stderr, "lumaris: cannot write %s: %s\n", request.output.c_str(),
                     gif.Problem().c_str());
        return 1;
    }
    HWND parent = request.preview ? CreatePreviewBox(request.box) : nullptr;
    if (HWND saver = CreateSaverWindow(parent))
        RecordUntilQuit(saver, parent ? parent : saver, request, gif);
    const bool written = gif.Finish();
    if (!written) {
        const std::string removed =
            RemoveHalfPicture(request.output) ? "; " + request.output + " removed" : "";
        std::fprintf(stderr, "lumaris: recording failed (%s)%s\n", gif.Problem().c_str(),
                     removed.c_str());
        return 1;
    }
    std::fprintf(stderr, "lumaris: %d frames written to %s\n", gif.FramesWritten(),
                 request.output.c_str());
    return 0;
}
