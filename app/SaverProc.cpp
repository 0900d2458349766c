#include "app/RenderWindow.h"
#include "app/SaverScene.h"
#include "app/SettingRules.h"
#include "app/Settings.h"
#include "shell/SaverHooks.h"
#include "shell/SaverWindow.h"

namespace {

void StartScene(HWND window) {
    RegisterRenderClass();
    SelectSettingsKey(window, kSettingsKeyPath);
    const SpriteCounts counts = ReadSpriteCounts();
    saverScene.field.bigCount = counts.big;
    saverScene.field.smallCount = counts.small;
    BuildScene(window);
    PostMessageA(window, FrameTick, WPARAM(-1), LPARAM(-1));
}

// A build that failed before reading the colours holds no hue of the user's to store back.
void StopScene() {
    TearDownScene();
    if (saverScene.coloursRead) WriteSetting(kHueSetting, saverScene.colours.hue);
}

// The window took a new size, as the daemon's window it is drawn in did: a preview scales
// into it; a full-screen scene is built again at the new size, its hue carried over through
// the settings store.
void FollowNewSize(HWND window, int width, int height) {
    SaverScene& scene = saverScene;
    if (!scene.stage || scene.stopping) return;
    if (!scene.fullScreen) {
        scene.clientRect = RECT{0, 0, width, height};
        scene.clientWidth = width;
        scene.clientHeight = height;
    } else if (width != scene.field.screenWidth || height != scene.field.screenHeight) {
        StopScene();
        BuildScene(window);
    }
}

} // namespace

LRESULT CALLBACK SaverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        StartScene(window);
        break;
    case FrameTick:
        RunFrameTick(window);
        break;
    case WM_SIZE:
        FollowNewSize(window, LOWORD(lParam), HIWORD(lParam));
        break;
    case WM_PAINT:
        if (!saverScene.fullScreen && lParam == -1) PaintPreview(saverScene.targetWindow);
        break;
    case WM_CLOSE:
        StopScene();
        break;
    case WM_DESTROY:
        TearDownScene();
        break;
    default:
        break;
    }
    const LRESULT result = ShellDefaultProc(window, message, wParam, lParam);
    // A refused password leaves the window open: without a scene the next tick would end
    // the saver and unlock the desktop, so the saver goes on drawing instead.
    if (message == WM_CLOSE && IsWindow(window) && saverScene.stopping) BuildScene(window);
    return result;
}
