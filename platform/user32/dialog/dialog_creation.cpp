#include "platform/user32/dialog/dialog_creation.h"

#include "platform/user32/dialog/dialog_focus.h"
#include "platform/user32/dialog/dialog_state.h"
#include "platform/user32/dialog/dialog_units.h"
#include "platform/user32/window/lifecycle.h"

namespace platform {
namespace {

constexpr const char* kDialogClass = "#32770";

// A title given by number reaches the control as Windows passes it: 0xFF, then the number's
// two bytes (an icon or bitmap resource of a static).
std::string TitleOf(const NameOrOrdinal& title) {
    if (title.ordinal < 0) return title.name;
    std::string text(3, '\xFF');
    text[1] = static_cast<char>(title.ordinal & 0xFF);
    text[2] = static_cast<char>((title.ordinal >> 8) & 0xFF);
    return text;
}

LPCSTR ClassNameOf(const DialogItem& item) {
    return item.windowClass.ordinal >= 0 ? ClassOfOrdinal(item.windowClass.ordinal)
                                         : item.windowClass.name.c_str();
}

bool CreateControl(HWND dialog, HINSTANCE instance, const DialogItem& item,
                   const DialogState& state) {
    RECT place = UnitsToPixels(item.units, state.baseUnits);
    std::string title = TitleOf(item.title);
    LPVOID data = item.creationData.empty() ? nullptr : const_cast<BYTE*>(item.creationData.data());
    HWND control =
        CreateWindowExA(item.exStyle | WS_EX_NOPARENTNOTIFY, ClassNameOf(item), title.c_str(),
                        item.style | WS_CHILD, place.left, place.top, place.right - place.left,
                        place.bottom - place.top, dialog,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), instance, data);
    if (!control) return false;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
    return true;
}

// Tab order is template order: each control goes below those made before it.
bool CreateControls(HWND dialog, HINSTANCE instance, const DialogDescription& description) {
    bool made = true;
    PlaceNewChildrenAtBottom(true);
    for (const DialogItem& item : description.items) {
        const DialogState* state = FindDialogState(dialog);
        bool control = state && CreateControl(dialog, instance, item, *state);
        if (!control && !(description.style & DS_NOFAILCREATE)) {
            made = false;
            break;
        }
    }
    PlaceNewChildrenAtBottom(false);
    return made && IsWindow(dialog);
}

// Popup dialogs are placed relative to their owner's client area unless DS_ABSALIGN, or
// centred on the desktop with DS_CENTER.
POINT ScreenOrigin(const DialogDescription& description, HWND owner, SIZE size) {
    POINT origin{0, 0};
    if (description.style & DS_CENTER) {
        RECT desktop;
        GetWindowRect(GetDesktopWindow(), &desktop);
        return POINT{(desktop.right - size.cx) / 2, (desktop.bottom - size.cy) / 2};
    }
    if (owner && !(description.style & DS_ABSALIGN)) ClientToScreen(owner, &origin);
    return origin;
}

HWND CreateFrame(HINSTANCE instance, const DialogDescription& description, HWND owner,
                 SIZE baseUnits) {
    RECT place = UnitsToPixels(description.units, baseUnits);
    SIZE size{place.right - place.left, place.bottom - place.top};
    POINT origin = ScreenOrigin(description, owner, size);
    if (!(description.style & DS_CENTER)) {
        origin.x += place.left;
        origin.y += place.top;
    }
    LPCSTR className =
        description.windowClass.name.empty() ? kDialogClass : description.windowClass.name.c_str();
    DWORD style = description.style & ~WS_VISIBLE;
    return CreateWindowExA(description.exStyle, className, description.title.c_str(), style,
                           origin.x, origin.y, size.cx, size.cy, owner, nullptr, instance, nullptr);
}

void AdoptFont(HWND dialog, HFONT font, bool owned, SIZE baseUnits) {
    DialogState& state = MakeDialogState(dialog);
    state.font = font;
    state.ownsFont = owned;
    state.baseUnits = baseUnits;
}

// WM_INITDIALOG names the first tab stop; a true answer gives it the focus.
void Initialise(HWND dialog, const DialogDescription& description, LPARAM param) {
    NoteDefaultButton(dialog);
    HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    LRESULT focusFirst =
        SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param);
    DialogState* state = FindDialogState(dialog);
    if (!state || !IsWindow(dialog)) return;
    if (focusFirst && first && IsWindow(first)) state->savedFocus = first;
    if ((description.style & WS_VISIBLE) && !state->ended) ShowWindow(dialog, SW_SHOWNORMAL);
}

} // namespace

HWND CreateDialogWindow(HINSTANCE instance, const DialogDescription& description, HWND owner,
                        DLGPROC procedure, LPARAM param) {
    bool owned = false;
    HFONT font = DialogFontOf(description, &owned);
    SIZE baseUnits = BaseUnitsOf(font);
    HWND dialog = CreateFrame(instance, description, owner, baseUnits);
    if (!dialog) {
        if (owned) DeleteObject(font);
        return nullptr;
    }
    AdoptFont(dialog, font, owned, baseUnits);
    SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(procedure));
    SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (!CreateControls(dialog, instance, description)) {
        DestroyWindow(dialog);
        return nullptr;
    }
    Initialise(dialog, description, param);
    return IsWindow(dialog) ? dialog : nullptr;
}

} // namespace platform
