// The saver scene: one stage of drifting sprites on the saver window (or, in preview, on a
// hidden desktop-sized render window copied scaled into the target), driven by a message
// the window posts to itself after each pass.
#pragma once

#include "app/Colours.h"
#include "app/SpriteField.h"
#include "platform/win32.h"

class mBitmap;
class mDirector;

// Private message of the frame loop, always posted with both parameters -1.
inline constexpr UINT FrameTick = 0x1D03;
// Frames are at least this many milliseconds apart.
inline constexpr DWORD kFramePeriod = 30;

struct SaverScene {
    HWND targetWindow = nullptr;
    bool stopping = false; // no frame is drawn and the loop ends
    bool fullScreen = false;
    bool paletteMode = false;
    int clientWidth = 0;
    int clientHeight = 0;
    RECT clientRect{};
    mDirector* stage = nullptr;      // owned
    mBitmap* headerBitmap = nullptr; // owned; only its header and colours serve the preview
    HWND renderWindow = nullptr;     // owned; preview only
    int previewSourceWidth = 0;
    int previewSourceHeight = 0;
    BYTE* previewBits = nullptr;         // the stage's pixels
    BITMAPINFO* previewHeader = nullptr; // the header bitmap's header
    HPALETTE stagePalette = nullptr;     // palette mode only
    DWORD lastFrameTick = 0;
    int fullFrameCounter = 0;    // never reset
    int previewFrameCounter = 0; // never reset
    bool inFrame = false;
    bool inFrameTick = false; // shared with the settings dialog's tick
    SpriteField field;        // screen size, speed, counts, generator, sprite slots
    ColourState colours;
    bool coloursRead = false; // this build read the colour settings, the hue among them
};

// The program's one scene.
extern SaverScene saverScene;

// Builds the scene for window with the counts already in the scene. Afterwards either a whole
// scene exists (true) or it has been torn down again and `stopping` is set (false).
bool BuildScene(HWND window);
// Safe to call any number of times.
void TearDownScene();

// The FrameTick handler: drains the window's waiting messages, paces a frame, then posts the
// next tick, or the quit message once the scene is stopping. Nested ticks do nothing.
void RunFrameTick(HWND window);
// Draws a frame when at least kFramePeriod ms passed since the last; otherwise sleeps the rest.
void PaceFrame(HWND window);
void StepFrame();
// A frame on the render window, then a repaint of the target through PaintPreview.
void StepPreviewFrame(HWND window);
// Copies the whole stage scaled onto the window's client area.
void PaintPreview(HWND window);

// The colour targets of the saver's own scene (the stage and the preview header).
ColourTargets SceneColourTargets();
