// A display in memory only: the pictures exist, nothing is shown, no input ever arrives.
#pragma once
#include <vector>

#include "platform/display/backend.h"
#include "platform/testing/display.h"

namespace platform {

class HeadlessBackend : public DisplayBackend {
public:
    HeadlessBackend();

    SIZE DesktopSize() override { return desktop; }
    void SetDesktopSize(SIZE size) { desktop = size; }

    void PumpInput() override {}
    void WaitForInput(DWORD milliseconds) override;
    void Present(HWND topLevel, const RECT& dirty) override;
    void SystemPaletteChanged() override;

    const std::vector<testing::PresentRecord>& Presents() const { return presents; }
    void ForgetPresents() { presents.clear(); }

private:
    SIZE desktop;
    std::vector<testing::PresentRecord> presents;
};

// LUMARIS_DESKTOP_SIZE=WxH, else 1024 x 768.
SIZE DesktopSizeFromEnvironment();

} // namespace platform
