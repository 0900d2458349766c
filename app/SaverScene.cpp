#include "app/SaverScene.h"

#include <ctime>
#include <new>

#include "app/RenderWindow.h"
#include "app/SettingRules.h"
#include "app/Settings.h"
#include "app/SettingsDialog.h"
#include "app/SpritePopulation.h"
#include "engine/core/mDirector.h"
#include "shell/ShellState.h"

SaverScene saverScene;

namespace {

constexpr int kAreaSlots = 50;
constexpr int kDirtyCapacity = 200;
constexpr int kSeedDiscards = 337;
constexpr DWORD kSettleTime = 300;

bool IsPaletteDisplay() {
    HDC screen = GetDC(nullptr);
    const bool palette = (GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE) != 0;
    const int colours = GetDeviceCaps(screen, palette ? SIZEPALETTE : NUMCOLORS);
    ReleaseDC(nullptr, screen);
    return colours == 256 || colours == 16;
}

void MeasureWindows(SaverScene& scene, HWND window) {
    RECT desktop{};
    GetClientRect(GetDesktopWindow(), &desktop);
    scene.field.screenWidth = desktop.right;
    scene.field.screenHeight = desktop.bottom;
    GetClientRect(window, &scene.clientRect);
    scene.clientWidth = scene.clientRect.right;
    scene.clientHeight = scene.clientRect.bottom;
    scene.fullScreen = scene.clientWidth == scene.field.screenWidth &&
                       scene.clientHeight == scene.field.screenHeight;
}

// The stage on the target itself, or on the hidden render window in preview; null on failure.
mDirector* CreateStage(SaverScene& scene) {
    HWND stageWindow = scene.targetWindow;
    if (!scene.fullScreen) {
        scene.renderWindow = CreateRenderWindow(scene.field.screenWidth, scene.field.screenHeight,
                                                shellState.saverWindow);
        if (!scene.renderWindow) {
            MessageBoxA(scene.targetWindow, "Error creating render window.", "Window Error", MB_OK);
            return nullptr;
        }
        scene.previewSourceWidth = scene.field.screenWidth;
        scene.previewSourceHeight = scene.field.screenHeight;
        stageWindow = scene.renderWindow;
    }
    return new (std::nothrow) mDirector(stageWindow, kAreaSlots);
}

// False when a stage that the rest of the scene needs is unusable.
bool PrepareStage(SaverScene& scene) {
    mDirector& stage = *scene.stage;
    mObject::resourceModule = GetModuleHandleA(nullptr);
    stage.SetDirtyCapacity(kDirtyCapacity);
    if (!stage.info->bits) return false;
    if (!scene.paletteMode) return true;
    scene.stagePalette = stage.palette;
    return scene.stagePalette != nullptr;
}

void CopyStageColoursToHeader(SaverScene& scene) {
    if (scene.headerBitmap && scene.stage && scene.stage->info->colours)
        scene.headerBitmap->SetColours(scene.stage->info->colours, 0, 256);
}

bool ConnectPreview(SaverScene& scene) {
    CopyStageColoursToHeader(scene);
    scene.previewBits = scene.stage ? scene.stage->info->bits : nullptr;
    scene.previewHeader = scene.headerBitmap ? scene.headerBitmap->info->header : nullptr;
    return scene.previewBits && scene.previewHeader;
}

void ClearSpriteSlots(SpriteField& field) {
    for (SpriteSlot& slot : field.slots)
        slot = SpriteSlot{};
}

bool HoldsAnything(const SaverScene& scene) {
    return scene.stage || scene.headerBitmap || scene.renderWindow;
}

void StartBuild(SaverScene& scene, HWND window) {
    scene.paletteMode = IsPaletteDisplay();
    scene.targetWindow = window;
    scene.stopping = false;
    scene.coloursRead = false;
    SelectSettingsKey(window, kSettingsKeyPath);
    ClearSpriteSlots(scene.field);
    scene.field.random.Seed(uint32_t(std::time(nullptr)));
    scene.field.random.Discard(kSeedDiscards);
    MeasureWindows(scene, window);
}

// Runs to the end whatever fails, skipping only what needs a missing object; false when
// anything failed.
bool BuildParts(SaverScene& scene) {
    scene.headerBitmap = new (std::nothrow) mBitmap;
    if (scene.headerBitmap)
        scene.headerBitmap->Create(scene.field.screenWidth, scene.field.screenHeight, 8);
    scene.stage = CreateStage(scene);
    bool built = scene.stage && PrepareStage(scene);
    if (scene.stage && !CreateSprites(scene.field, *scene.stage)) built = false;
    scene.field.moveSpeed = ReadMoveSpeed();
    if (!scene.fullScreen && !ConnectPreview(scene)) built = false;
    if (scene.stage) {
        StartColours(scene.colours, *scene.stage);
        scene.coloursRead = true;
    }
    Sleep(kSettleTime);
    if (!scene.fullScreen) CopyStageColoursToHeader(scene);
    return built;
}

} // namespace

bool BuildScene(HWND window) {
    SaverScene& scene = saverScene;
    // A second build over a live scene would lose the first one's stage and sprites.
    if (HoldsAnything(scene)) TearDownScene();
    StartBuild(scene, window);
    const bool built = BuildParts(scene);
    if (!built) TearDownScene();
    return built;
}

void TearDownScene() {
    SaverScene& scene = saverScene;
    scene.stopping = true;
    if (scene.stage) {
        DestroySprites(scene.field, *scene.stage);
        delete scene.stage;
        scene.stage = nullptr;
    }
    delete scene.headerBitmap;
    scene.headerBitmap = nullptr;
    if (scene.renderWindow) DestroyWindow(scene.renderWindow);
    scene.renderWindow = nullptr;
    // A paint after the tear-down must not reach the freed pixels or palette.
    scene.previewBits = nullptr;
    scene.previewHeader = nullptr;
    scene.stagePalette = nullptr;
}

ColourTargets SceneColourTargets() {
    ColourTargets targets;
    targets.stage = saverScene.stage;
    targets.headerBitmap = saverScene.headerBitmap;
    // The settings dialog's pictures follow the colours while the dialog hosts the scene.
    if (settingsDialog.dialogActive) {
        targets.pictureStages[0] = settingsDialog.pictureStageBig;
        targets.pictureStages[1] = settingsDialog.pictureStageSmall;
    }
    return targets;
}
