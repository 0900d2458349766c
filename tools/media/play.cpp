// lumaris-media play FILE [--headless] [--frames N] [--png OUT.png]
// Plays an animation (or shows a picture, a DCX its first page) as a sprite on a stage in a
// window at the animation's own frame time, until Escape, the window's close box, or N frames. With
// --png the window's last presented picture is written out; --headless runs without a display.
#include "tools/media/ConsoleReports.h"
#include "tools/media/ImageKinds.h"
#include "tools/media/commands.h"

#include "engine/core/mDirector.h"
#include "engine/core/mSpriteImage.h"
#include "platform/drivers/display/capture.h"
#include "platform/win32.h"
#include "tools/png/RgbPng.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr LONG stageMargin = 32;
constexpr DWORD idleWait = 30;

struct PlayOptions {
    std::string file;
    std::string png;
    bool headless = false;
    long frames = -1; // -1: until the window is closed
};

bool ParseOptions(int argc, char** argv, PlayOptions& options) {
    for (int i = 0; i < argc; ++i) {
        const char* arg = argv[i];
        if (!std::strcmp(arg, "--headless")) {
            options.headless = true;
        } else if (!std::strcmp(arg, "--frames") && i + 1 < argc) {
            char* end = nullptr;
            options.frames = std::strtol(argv[++i], &end, 10);
            if (*end || options.frames < 0) return false;
        } else if (!std::strcmp(arg, "--png") && i + 1 < argc) {
            options.png = argv[++i];
        } else if (arg[0] == '-' || !options.file.empty()) {
            return false;
        } else {
            options.file = arg;
        }
    }
    return !options.file.empty();
}

bool WritePng(const platform::CapturedPicture& picture, const std::string& path) {
    std::vector<uint8_t> rgb;
    rgb.reserve(picture.pixels.size() * 3);
    for (uint32_t pixel : picture.pixels)
        rgb.insert(rgb.end(), {uint8_t(pixel >> 16), uint8_t(pixel >> 8), uint8_t(pixel)});
    return WriteRgbPng(path, rgb.data(), picture.width, picture.height);
}

mDirector* shownStage = nullptr;

// Escape and the close box end the loop; the window itself goes when the player is done,
// so its last picture can still be captured.
LRESULT CALLBACK PlayerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) PostQuitMessage(0);
        return 0;
    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        if (shownStage) shownStage->Invalidate(paint.rcPaint);
        return 0;
    }
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND CreatePlayerWindow(const std::string& title, LONG width, LONG height) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = PlayerProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "LumarisMediaPlay";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, "LumarisMediaPlay", title.c_str(),
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 0, width,
                           height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// False once the quit request arrived.
bool DrainMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) return false;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

class Player {
public:
    explicit Player(const PlayOptions& playOptions) : options(playOptions) {}

    ~Player() {
        shownStage = nullptr;
        delete sprite; // the image goes with its only hold
        delete stage;
        if (window) DestroyWindow(window);
    }

    int Run() {
        mImage* image = NewImageFor(options.file.c_str());
        if (!image || !image->Open(options.file.c_str(), 0) || !image->ReadHeader()) {
            delete image;
            PrintFailure("cannot open the picture or animation", options.file.c_str());
            return 1;
        }
        sprite = new mSpriteImage;
        sprite->SetImage(image);
        if (!BuildStage(*image)) {
            PrintFailure("cannot create a window for", options.file.c_str());
            return 1;
        }
        animation = IsAnimation(*image->formatInfo);
        PlayFrames();
        return options.png.empty() ? 0 : SavePicture();
    }

private:
    bool BuildStage(mImage& image) {
        const LONG width = image.playbackInfo->width, height = image.playbackInfo->height;
        window = CreatePlayerWindow("lumaris-media play " + options.file, width + 2 * stageMargin,
                                    height + 2 * stageMargin);
        if (!window) return false;
        stage = new mDirector(window, 50);
        stage->SetDirtyCapacity(200);
        shownStage = stage;
        // Pictures draw straight onto the stage: they have neither key colour nor mapping.
        if (IsAnimation(*image.formatInfo)) {
            sprite->SetImageRemap(0);
            sprite->SetImageTransparent(1);
        }
        sprite->SetOrigin(width / 2, height / 2);
        sprite->SetPosition(stage->info->width / 2, stage->info->height / 2, 1);
        stage->AddRenderer(sprite);
        return true;
    }

    void PlayFrames() {
        long played = 0;
        while (DrainMessages()) {
            // A tick shows the next frame, the same one again in a one-frame animation.
            const DWORD tickBefore = sprite->lastTick;
            const DWORD wait = stage->Update();
            // A still picture never ticks: each pass shows it once more.
            if (sprite->lastTick != tickBefore || !animation) ++played;
            if (options.frames >= 0 && played >= options.frames) break;
            Sleep(wait ? wait : idleWait);
        }
    }

    int SavePicture() {
        platform::CapturedPicture picture;
        if (!platform::CaptureTopLevel(window, &picture) || !WritePng(picture, options.png)) {
            PrintFailure("cannot write the picture", options.png.c_str());
            return 1;
        }
        return 0;
    }

    const PlayOptions& options;
    HWND window = nullptr;
    mDirector* stage = nullptr;
    mSpriteImage* sprite = nullptr;
    bool animation = true;
};

} // namespace

int RunPlay(int argc, char** argv) {
    PlayOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: lumaris-media play FILE [--headless] [--frames N] [--png OUT.png]\n");
        return 2;
    }
    if (options.headless) {
        setenv("LUMARIS_DISPLAY", "headless", 1);
        InstallConsoleReports();
    }
    Player player(options);
    return player.Run();
}
