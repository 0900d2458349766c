// Logical fonts.
#include <cstring>

#include "platform/gdi32/objects.h"

using namespace platform::gdi;

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* logFont) {
    if (!logFont) return nullptr;
    auto font = std::make_unique<Font>();
    font->logFont = *logFont;
    font->logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    return static_cast<HFONT>(Register(std::move(font)));
}

HFONT WINAPI CreateFontA(int height, int width, int escapement, int orientation, int weight,
                         DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                         DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                         DWORD pitchAndFamily, LPCSTR faceName) {
    LOGFONTA logFont{height,
                     width,
                     escapement,
                     orientation,
                     weight,
                     static_cast<BYTE>(italic != 0),
                     static_cast<BYTE>(underline != 0),
                     static_cast<BYTE>(strikeOut != 0),
                     static_cast<BYTE>(charSet),
                     static_cast<BYTE>(outPrecision),
                     static_cast<BYTE>(clipPrecision),
                     static_cast<BYTE>(quality),
                     static_cast<BYTE>(pitchAndFamily),
                     {}};
    if (faceName) std::strncpy(logFont.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&logFont);
}
