// The self-posted frame loop. Nesting comes only from the drain dispatching messages; the two
// guards keep a nested tick from drawing or reposting, so exactly one tick circulates.
#include "app/SaverScene.h"
#include "app/SettingsDialog.h"
#include "app/SpriteMotion.h"
#include "engine/core/mDirector.h"

namespace {

constexpr int kColourStepEvery = 6;

void DrainWindowMessages(HWND window) {
    MSG message;
    while (!saverScene.stopping && PeekMessageA(&message, window, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void StepScene(int& frameCounter) {
    SaverScene& scene = saverScene;
    if (!scene.stage) return;
    if (frameCounter % kColourStepEvery == 0 && AnimateColours(scene.colours, SceneColourTargets()))
        ShowAnimatedHue();
    ++frameCounter;
    MoveSprites(scene.field);
    scene.stage->Update();
}

} // namespace

void RunFrameTick(HWND window) {
    SaverScene& scene = saverScene;
    if (scene.inFrameTick) return;
    scene.inFrameTick = true;
    DrainWindowMessages(window);
    if (!scene.stopping) PaceFrame(window);
    if (scene.stopping)
        PostQuitMessage(0);
    else
        PostMessageA(window, FrameTick, WPARAM(-1), LPARAM(-1));
    scene.inFrameTick = false;
}

void PaceFrame(HWND window) {
    SaverScene& scene = saverScene;
    if (scene.inFrame || scene.stopping) return;
    scene.inFrame = true;
    const DWORD now = GetTickCount();
    const DWORD elapsed = now - scene.lastFrameTick; // wraps correctly
    if (elapsed < kFramePeriod) {
        Sleep(kFramePeriod - elapsed);
    } else {
        scene.lastFrameTick = now;
        if (scene.fullScreen)
            StepFrame();
        else
            StepPreviewFrame(window);
    }
    scene.inFrame = false;
}

void StepFrame() {
    StepScene(saverScene.fullFrameCounter);
}

void StepPreviewFrame(HWND window) {
    SaverScene& scene = saverScene;
    StepScene(scene.previewFrameCounter);
    InvalidateRect(scene.targetWindow, &scene.clientRect, FALSE);
    SendMessageA(window, WM_PAINT, 0, LPARAM(-1));
}
