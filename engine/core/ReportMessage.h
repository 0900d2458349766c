// What a report shows: caption, text and box style, built apart from showing the box so
// that it needs no window system.
#pragma once

#include "platform/win32.h"

struct ReportMessage {
    char caption[80];
    char text[84]; // longest: 39 of text, ":", 40 of detail and the terminator
    UINT type;     // MB_OK with the icon of the severity
};

// strings, when set, may replace the built-in caption (4400 + class id) and text
// (4400 + code) with its string resources.
ReportMessage BuildReportMessage(LONG severity, LONG classId, LONG code, LPCSTR detail,
                                 HINSTANCE strings);
