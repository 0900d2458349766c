// Windows, DIB sections and bitmap headers for the GDI and display tests.
#pragma once
#include <gtest/gtest.h>

#include <vector>

#include "platform/testing/display.h"
#include "platform/testing/windows.h"
#include "platform/win32.h"

namespace gdi_test {

struct BitmapInfo256 {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
    const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(this); }
};

// An 8-bit header whose colour i is (i, 255 - i, i / 2), distinct for every index.
inline BitmapInfo256 Header(LONG width, LONG height) {
    BitmapInfo256 info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = height;
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    for (int i = 0; i < 256; ++i) {
        info.colours[i] = RGBQUAD{BYTE(i / 2), BYTE(255 - i), BYTE(i), 0};
    }
    return info;
}

inline COLORREF ColourOf(const BitmapInfo256& info, int index) {
    const RGBQUAD& q = info.colours[index];
    return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
}

// A DIB section selected into its own memory DC.
struct Section {
    Section(LONG width, LONG height) : info(Header(width, height)) {
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(dc, info.Info(), DIB_RGB_COLORS, reinterpret_cast<void**>(&bits),
                                  nullptr, 0);
        previous = SelectObject(dc, bitmap);
        stride = (width + 3) & ~3;
    }
    ~Section() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    // Pixel (x, y) counted from the top of a bottom-up section.
    BYTE& At(LONG x, LONG y) {
        LONG height = info.header.biHeight;
        return height > 0 ? bits[(height - 1 - y) * stride + x] : bits[y * stride + x];
    }
    BitmapInfo256 info;
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    BYTE* bits = nullptr;
    LONG stride = 0;
};

class GdiTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset() {
        platform::testing::ResetWindows();
        platform::testing::ResetDisplay();
    }

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(window, message, wParam, lParam);
    }

    HWND MakeWindow(int x, int y, int width, int height, HWND parent = nullptr,
                    DWORD style = WS_VISIBLE) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = Proc;
        windowClass.lpszClassName = "GdiTestWindow";
        RegisterClassA(&windowClass);
        style |= parent ? WS_CHILD : WS_POPUP;
        return CreateWindowExA(0, "GdiTestWindow", "", style, x, y, width, height, parent, nullptr,
                               nullptr, nullptr);
    }

    static COLORREF Shown(HWND window, int x, int y) {
        return platform::testing::ShownPixel(window, x, y);
    }
};

// Fills an area of a window's client with one colour through a brush.
inline void FillWindowArea(HWND window, const RECT& area, COLORREF colour) {
    HDC dc = GetDC(window);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
    ReleaseDC(window, dc);
}

} // namespace gdi_test
