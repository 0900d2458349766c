#include "platform/drivers/display/capture.h"

#include "platform/drivers/display/backend.h"
#include "platform/drivers/display/headless/headless_backend.h"
#include "platform/gdi32/colour_translation.h"

namespace platform {

bool CaptureTopLevel(HWND topLevel, CapturedPicture* picture) {
    *picture = CapturedPicture{};
    Framebuffer* frame = Display().FramebufferFor(topLevel);
    if (!frame) return false;
    picture->width = frame->Width();
    picture->height = frame->Height();
    picture->pixels.reserve(static_cast<size_t>(picture->width) * picture->height);
    for (LONG y = 0; y < frame->Height(); ++y) {
        const uint32_t* row = frame->Row(y);
        for (LONG x = 0; x < frame->Width(); ++x) {
            COLORREF shown = gdi::ShownColour(row[x]);
            picture->pixels.push_back((uint32_t{GetRValue(shown)} << 16) |
                                      (uint32_t{GetGValue(shown)} << 8) | GetBValue(shown));
        }
    }
    return true;
}

int PresentCount() {
    auto* headless = dynamic_cast<HeadlessBackend*>(&Display());
    return headless ? headless->PresentCount() : 0;
}

} // namespace platform
