// A display in memory only: the pictures exist, nothing is shown, no input ever arrives.
#pragma once
#include <condition_variable>
#include <deque>
#include <mutex>

#include "platform/drivers/display/backend.h"

namespace platform {

// One present: the top-level window and the area in its client coordinates.
struct PresentRecord {
    HWND topLevel;
    RECT area;
};

class HeadlessBackend : public DisplayBackend {
public:
    HeadlessBackend();

    SIZE DesktopSize() override { return desktop; }
    void SetDesktopSize(SIZE size) { desktop = size; }

    void PumpInput() override {}
    void WaitForInput(DWORD milliseconds) override;
    void WakeFromAnyThread() override;
    void Present(HWND topLevel, const RECT& dirty) override;
    void SystemPaletteChanged() override;

    // Every present is counted; only the latest are kept, so a long run stays small.
    int PresentCount() const { return presentCount; }
    const std::deque<PresentRecord>& Presents() const { return presents; }
    void ForgetPresents();

private:
    void Record(HWND topLevel, const RECT& area);

    SIZE desktop;
    int presentCount = 0;
    std::deque<PresentRecord> presents;
    std::mutex wakeLock;
    std::condition_variable wakeSignal;
    bool woken = false;
};

// LUMARIS_DESKTOP_SIZE=WxH, else 1024 x 768 (with a line on standard error when it is set
// to something else).
SIZE DesktopSizeFromEnvironment();

} // namespace platform
