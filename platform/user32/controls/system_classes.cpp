// The system's window classes: the dialog class "#32770" and one class per control.
#include "platform/user32/window/system_classes.h"

#include <strings.h>

#include <cstdint>

#include <vector>

#include "platform/user32/controls/control_procedures.h"
#include "platform/user32/dialog/dialog_state.h"

namespace platform {
namespace {

constexpr ATOM kDialogAtom = 0x8002;
constexpr ATOM kFirstControlAtom = 0x8080;

struct SystemClass {
    const char* name;
    WNDPROC procedure;
    int extraBytes;
    LPCSTR cursor;
};

std::shared_ptr<WindowClass> Make(const SystemClass& entry, ATOM atom) {
    auto windowClass = std::make_shared<WindowClass>();
    windowClass->name = entry.name;
    windowClass->atom = atom;
    WNDCLASSA& info = windowClass->info;
    info.style = CS_DBLCLKS | CS_GLOBALCLASS;
    info.lpfnWndProc = entry.procedure;
    info.cbWndExtra = entry.extraBytes;
    info.hCursor = LoadCursorA(nullptr, entry.cursor);
    info.lpszClassName = windowClass->name.c_str();
    return windowClass;
}

const std::vector<std::shared_ptr<WindowClass>>& Classes() {
    static const std::vector<std::shared_ptr<WindowClass>> classes = [] {
        const SystemClass controls[] = {
            {"Button", ButtonProc, 0, IDC_ARROW},      {"Edit", EditProc, 0, IDC_IBEAM},
            {"Static", StaticProc, 0, IDC_ARROW},      {"ScrollBar", ScrollBarProc, 0, IDC_ARROW},
            {UPDOWN_CLASSA, UpDownProc, 0, IDC_ARROW},
        };
        std::vector<std::shared_ptr<WindowClass>> made;
        made.push_back(Make({"#32770", DefDlgProcA, kDialogExtraBytes, IDC_ARROW}, kDialogAtom));
        ATOM atom = kFirstControlAtom;
        for (const SystemClass& entry : controls)
            made.push_back(Make(entry, atom++));
        return made;
    }();
    return classes;
}

bool Names(LPCSTR nameOrAtom, const WindowClass& windowClass) {
    if (IS_INTRESOURCE(nameOrAtom)) {
        return reinterpret_cast<uintptr_t>(nameOrAtom) == windowClass.atom;
    }
    return strcasecmp(nameOrAtom, windowClass.name.c_str()) == 0;
}

} // namespace

std::shared_ptr<const WindowClass> FindSystemClass(LPCSTR nameOrAtom) {
    for (const auto& windowClass : Classes()) {
        if (Names(nameOrAtom, *windowClass)) return windowClass;
    }
    return nullptr;
}

} // namespace platform

// The common controls are part of the system here: nothing to load.
VOID WINAPI InitCommonControls(void) {}
