// StretchDIBits and CreateDIBSection with whatever header and geometry the input holds,
// copying into a memory DC and a window. The pixel buffer is sized to what the header
// claims, as a caller of the real API must.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/win32.h"

namespace {

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

struct Targets {
    Targets() {
        setenv("LUMARIS_DISPLAY", "headless", 1);
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = Proc;
        windowClass.lpszClassName = "FuzzWindow";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "FuzzWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, 64, 48, nullptr,
                                 nullptr, nullptr, nullptr);
        struct {
            BITMAPINFOHEADER header;
            RGBQUAD colours[256];
        } info{};
        info.header = BITMAPINFOHEADER{40, 33, -17, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
        memoryDC = CreateCompatibleDC(nullptr);
        SelectObject(memoryDC, CreateDIBSection(memoryDC, reinterpret_cast<BITMAPINFO*>(&info),
                                                DIB_RGB_COLORS, nullptr, nullptr, 0));
    }
    HWND window;
    HDC memoryDC;
};

struct Input {
    const uint8_t* data;
    size_t size;
    int32_t Next() {
        int32_t value = 0;
        size_t n = size < sizeof value ? size : sizeof value;
        std::memcpy(&value, data, n);
        data += n, size -= n;
        return value;
    }
};

// The pixel bytes the header claims, 0 past 4 MB. Each factor is bounded before multiplying,
// so no header can overflow the sum itself.
size_t ClaimedBytes(const BITMAPINFOHEADER& header) {
    constexpr int64_t kLimit = 1 << 22;
    const int64_t height = header.biHeight < 0 ? -int64_t(header.biHeight) : header.biHeight;
    const int64_t stride = ((int64_t(header.biWidth) * header.biBitCount + 31) / 32) * 4;
    if (stride <= 0 || height <= 0 || stride > kLimit || height > kLimit) return 0;
    const int64_t bytes = stride * height;
    return bytes <= kLimit ? size_t(bytes) : 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Targets targets;
    std::vector<uint8_t> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    size_t headerBytes = size < info.size() ? size : info.size();
    std::memcpy(info.data(), data, headerBytes);
    Input input{data + headerBytes, size - headerBytes};
    auto* bitmapInfo = reinterpret_cast<BITMAPINFO*>(info.data());
    bitmapInfo->bmiHeader.biSize = sizeof(BITMAPINFOHEADER); // the colours follow it here
    size_t claimed = ClaimedBytes(bitmapInfo->bmiHeader);
    if (!claimed) return 0;
    std::vector<uint8_t> bits(claimed, 0x5A);

    int32_t geometry[8];
    for (int32_t& value : geometry)
        value = input.Next();
    HDC windowDC = GetDC(targets.window);
    SetStretchBltMode(windowDC, COLORONCOLOR);
    for (HDC dc : {windowDC, targets.memoryDC}) {
        StretchDIBits(dc, geometry[0], geometry[1], geometry[2], geometry[3], geometry[4],
                      geometry[5], geometry[6], geometry[7], bits.data(), bitmapInfo,
                      DIB_RGB_COLORS, SRCCOPY);
    }
    ReleaseDC(targets.window, windowDC);

    void* sectionBits = nullptr;
    HBITMAP section =
        CreateDIBSection(nullptr, bitmapInfo, DIB_RGB_COLORS, &sectionBits, nullptr, 0);
    if (section) {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(dc, section);
        BitBlt(targets.memoryDC, geometry[0] % 64, geometry[1] % 64, geometry[2] % 128,
               geometry[3] % 128, dc, geometry[4] % 4096, geometry[5] % 4096, SRCCOPY);
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(section);
    }
    return 0;
}
