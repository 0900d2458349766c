// lumaris-media play FILE [--headless] [--frames N] [--png OUT.png]
// lumaris-media play SCRIPT... [--size WxH] [options as above]
// Plays an animation (or shows a picture, a DCX its first page) as a sprite on a stage in a
// window at the animation's own frame time, or puts a sprite for each sprite script on a
// stage of the given size (640 x 400 by default), until Escape, the window's close box, or N
// ticks of the first sprite (passes, for a picture). A movie plays once with its sound and
// ends after its last frame and its sound. With --png the window's last presented picture is
// written out; --headless runs without a display (and sounds nothing).
#include "tools/media/ConsoleReports.h"
#include "tools/media/ImageKinds.h"
#include "tools/media/ScriptedSprite.h"
#include "tools/media/commands.h"

#include "engine/core/mDirector.h"
#include "engine/core/mSpriteImage.h"
#include "platform/drivers/display/capture.h"
#include "platform/win32.h"
#include "tools/png/RgbPng.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr LONG stageMargin = 32;
constexpr DWORD idleWait = 30;
constexpr LONG maxStageSide = 4096;

struct PlayOptions {
    std::vector<std::string> files;
    std::string png;
    bool headless = false;
    long frames = -1; // -1: until the window is closed
    LONG width = 640; // the stage of scripted sprites
    LONG height = 400;
};

bool ParseSize(const char* text, PlayOptions& options) {
    long width = 0, height = 0;
    char end = 0;
    if (std::sscanf(text, "%ldx%ld%c", &width, &height, &end) != 2) return false;
    if (width < 1 || height < 1 || width > maxStageSide || height > maxStageSide) return false;
    options.width = LONG(width);
    options.height = LONG(height);
    return true;
}

bool IsImage(const std::string& file) {
    return IsImageFile(file.c_str());
}

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
        } else if (!std::strcmp(arg, "--size") && i + 1 < argc) {
            if (!ParseSize(argv[++i], options)) return false;
        } else if (arg[0] == '-') {
            return false;
        } else {
            options.files.push_back(arg);
        }
    }
    // One picture or animation, or any number of scripts.
    const auto& files = options.files;
    return files.size() == 1 ||
           (files.size() > 1 && std::none_of(files.begin(), files.end(), IsImage));
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
        for (mSpriteImage* sprite : sprites)
            delete sprite; // each image goes with its only hold
        delete stage;
        if (window) DestroyWindow(window);
    }

    int Run() {
        const bool single = IsImage(options.files[0]);
        if (!(single ? LoadImage() : LoadScripts())) return 1;
        const LONG width = single ? sprites[0]->image->playbackInfo->width : options.width;
        const LONG height = single ? sprites[0]->image->playbackInfo->height : options.height;
        const FormatInfo& format = *sprites[0]->image->formatInfo;
        movie = single && IsMovie(format);
        still = single && !movie && !IsAnimation(format);
        if (!BuildStage(width, height, single)) {
            PrintFailure("cannot create a window for", options.files[0].c_str());
            return 1;
        }
        PlayFrames();
        return options.png.empty() ? 0 : SavePicture();
    }

private:
    bool LoadImage() {
        const char* file = options.files[0].c_str();
        mImage* image = NewImageFor(file);
        if (!image || !image->Open(file, 0) || !image->ReadHeader()) {
            delete image;
            PrintFailure("cannot open the picture or animation", file);
            return false;
        }
        sprites.push_back(new mSpriteImage);
        sprites[0]->SetImage(image);
        return true;
    }

    bool LoadScripts() {
        for (const std::string& file : options.files) {
            mSpriteImage* sprite = LoadScriptedSprite(file);
            if (!sprite) return false;
            sprites.push_back(sprite);
        }
        return true;
    }

    // A picture or animation stands in the middle of a stage its own size with a margin;
    // scripted sprites place themselves.
    bool BuildStage(LONG width, LONG height, bool single) {
        const LONG margin = single ? stageMargin : 0;
        window = CreatePlayerWindow("lumaris-media play " + options.files[0], width + 2 * margin,
                                    height + 2 * margin);
        if (!window) return false;
        stage = new mDirector(window, 50);
        stage->SetDirtyCapacity(200);
        shownStage = stage;
        for (mSpriteImage* sprite : sprites) {
            // Pictures draw straight onto the stage: they have neither key colour nor mapping.
            // A movie brings its colours onto the stage and keeps up with its sound.
            if (movie) {
                sprite->SetImageRemap(0);
                sprite->SetLoop(FALSE);
                sprite->SetCatchUp(TRUE);
            } else if (!still) {
                sprite->SetImageRemap(0);
                sprite->SetImageTransparent(1);
            }
            if (single) {
                sprite->SetOrigin(width / 2, height / 2);
                sprite->SetPosition(stage->info->width / 2, stage->info->height / 2, 1);
            }
            stage->AddRenderer(sprite);
        }
        return true;
    }

    void PlayFrames() {
        long played = 0;
        while (DrainMessages()) {
            // A tick shows the next frame, the same one again in a one-frame animation.
            const DWORD tickBefore = sprites[0]->lastTick;
            const DWORD wait = stage->Update();
            // A still picture never ticks: each pass shows it once more.
            if (sprites[0]->lastTick != tickBefore || still) ++played;
            if (options.frames >= 0 && played >= options.frames) break;
            if (movie && MovieOver()) break;
            Sleep(wait ? wait : idleWait);
        }
    }

    // Past the last frame's time (no more ticks) and the sound played out.
    bool MovieOver() const {
        const mSpriteImage& sprite = *sprites[0];
        const LONG last = sprite.image->formatInfo->frameCount - 1;
        return LONG(sprite.frame) >= last && sprite.period == 0 &&
               !sprite.image->mediaInfo->playing;
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
    std::vector<mSpriteImage*> sprites;
    bool still = false;
    bool movie = false;
};

} // namespace

int RunPlay(int argc, char** argv) {
    PlayOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: lumaris-media play FILE [--headless] [--frames N] [--png OUT.png]\n"
                     "       lumaris-media play SCRIPT... [--size WxH] [options]\n");
        return 2;
    }
    if (options.headless) {
        setenv("LUMARIS_DISPLAY", "headless", 1);
        InstallConsoleReports();
    }
    if (options.files.size() == 1 && IsWaveFile(options.files[0].c_str()))
        return RunWavePlay(options.files[0].c_str(), options.headless);
    Player player(options);
    return player.Run();
}
