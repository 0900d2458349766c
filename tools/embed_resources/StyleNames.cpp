#include "tools/embed_resources/StyleNames.h"

#include <unordered_map>

namespace embed {

namespace {

const std::unordered_map<std::string, uint32_t>& Names() {
    static const std::unordered_map<std::string, uint32_t> names = {
        // Windows.
        {"WS_OVERLAPPED", 0x00000000},
        {"WS_POPUP", 0x80000000},
        {"WS_CHILD", 0x40000000},
        {"WS_MINIMIZE", 0x20000000},
        {"WS_VISIBLE", 0x10000000},
        {"WS_DISABLED", 0x08000000},
        {"WS_CLIPSIBLINGS", 0x04000000},
        {"WS_CLIPCHILDREN", 0x02000000},
        {"WS_MAXIMIZE", 0x01000000},
        {"WS_CAPTION", 0x00C00000},
        {"WS_BORDER", 0x00800000},
        {"WS_DLGFRAME", 0x00400000},
        {"WS_VSCROLL", 0x00200000},
        {"WS_HSCROLL", 0x00100000},
        {"WS_SYSMENU", 0x00080000},
        {"WS_THICKFRAME", 0x00040000},
        {"WS_GROUP", 0x00020000},
        {"WS_TABSTOP", 0x00010000},
        {"WS_MINIMIZEBOX", 0x00020000},
        {"WS_MAXIMIZEBOX", 0x00010000},
        {"WS_EX_DLGMODALFRAME", 0x00000001},
        {"WS_EX_TOPMOST", 0x00000008},
        {"WS_EX_TRANSPARENT", 0x00000020},
        {"WS_EX_TOOLWINDOW", 0x00000080},
        {"WS_EX_CLIENTEDGE", 0x00000200},
        {"WS_EX_STATICEDGE", 0x00020000},
        // Dialogs.
        {"DS_ABSALIGN", 0x01},
        {"DS_SYSMODAL", 0x02},
        {"DS_LOCALEDIT", 0x20},
        {"DS_SETFONT", 0x40},
        {"DS_MODALFRAME", 0x80},
        {"DS_NOIDLEMSG", 0x100},
        {"DS_SETFOREGROUND", 0x200},
        {"DS_3DLOOK", 0x0004},
        {"DS_FIXEDSYS", 0x0008},
        {"DS_NOFAILCREATE", 0x0010},
        {"DS_CONTROL", 0x0400},
        {"DS_CENTER", 0x0800},
        {"DS_CENTERMOUSE", 0x1000},
        {"DS_CONTEXTHELP", 0x2000},
        {"DS_SHELLFONT", 0x48},
        // Static controls.
        {"SS_LEFT", 0x00},
        {"SS_CENTER", 0x01},
        {"SS_RIGHT", 0x02},
        {"SS_ICON", 0x03},
        {"SS_BLACKRECT", 0x04},
        {"SS_GRAYRECT", 0x05},
        {"SS_WHITERECT", 0x06},
        {"SS_BLACKFRAME", 0x07},
        {"SS_GRAYFRAME", 0x08},
        {"SS_WHITEFRAME", 0x09},
        {"SS_SIMPLE", 0x0B},
        {"SS_LEFTNOWORDWRAP", 0x0C},
        {"SS_BITMAP", 0x0E},
        {"SS_ETCHEDHORZ", 0x10},
        {"SS_ETCHEDVERT", 0x11},
        {"SS_ETCHEDFRAME", 0x12},
        {"SS_NOPREFIX", 0x80},
        {"SS_NOTIFY", 0x100},
        {"SS_CENTERIMAGE", 0x200},
        {"SS_REALSIZEIMAGE", 0x800},
        {"SS_SUNKEN", 0x1000},
        // Buttons.
        {"BS_PUSHBUTTON", 0x00},
        {"BS_DEFPUSHBUTTON", 0x01},
        {"BS_CHECKBOX", 0x02},
        {"BS_AUTOCHECKBOX", 0x03},
        {"BS_RADIOBUTTON", 0x04},
        {"BS_3STATE", 0x05},
        {"BS_AUTO3STATE", 0x06},
        {"BS_GROUPBOX", 0x07},
        {"BS_AUTORADIOBUTTON", 0x09},
        {"BS_LEFTTEXT", 0x20},
        {"BS_LEFT", 0x100},
        {"BS_RIGHT", 0x200},
        {"BS_CENTER", 0x300},
        {"BS_PUSHLIKE", 0x1000},
        {"BS_MULTILINE", 0x2000},
        {"BS_NOTIFY", 0x4000},
        {"BS_FLAT", 0x8000},
        // Edits.
        {"ES_LEFT", 0x00},
        {"ES_CENTER", 0x01},
        {"ES_RIGHT", 0x02},
        {"ES_MULTILINE", 0x04},
        {"ES_UPPERCASE", 0x08},
        {"ES_LOWERCASE", 0x10},
        {"ES_PASSWORD", 0x20},
        {"ES_AUTOVSCROLL", 0x40},
        {"ES_AUTOHSCROLL", 0x80},
        {"ES_NOHIDESEL", 0x100},
        {"ES_READONLY", 0x800},
        {"ES_WANTRETURN", 0x1000},
        {"ES_NUMBER", 0x2000},
        // Scroll bars.
        {"SBS_HORZ", 0x00},
        {"SBS_VERT", 0x01},
        {"SBS_TOPALIGN", 0x02},
        {"SBS_BOTTOMALIGN", 0x04},
        {"SBS_SIZEBOX", 0x08},
        // Up-down controls.
        {"UDS_WRAP", 0x01},
        {"UDS_SETBUDDYINT", 0x02},
        {"UDS_ALIGNRIGHT", 0x04},
        {"UDS_ALIGNLEFT", 0x08},
        {"UDS_AUTOBUDDY", 0x10},
        {"UDS_ARROWKEYS", 0x20},
        {"UDS_HORZ", 0x40},
        {"UDS_NOTHOUSANDS", 0x80},
        // Standard control ids.
        {"IDOK", 1},
        {"IDCANCEL", 2},
        {"IDABORT", 3},
        {"IDRETRY", 4},
        {"IDIGNORE", 5},
    };
    return names;
}

} // namespace

bool StyleValue(const std::string& name, uint32_t& value) {
    const auto found = Names().find(name);
    if (found == Names().end()) return false;
    value = found->second;
    return true;
}

} // namespace embed
