#include "tests/platform/dialog_test_support.h"

#include <cstring>

namespace dialog_test {

TemplateBuilder::TemplateBuilder(DWORD style, RECT units, const char* title, int pointSize,
                                 const char* face) {
    Dword(style | DS_SETFONT);
    Dword(0);
    countAt = bytes.size();
    Word(0);
    Units(units);
    Word(0); // no menu
    Word(0); // the dialog class
    String(title);
    Word(static_cast<WORD>(pointSize));
    String(face);
}

void TemplateBuilder::Word(WORD value) {
    bytes.push_back(static_cast<BYTE>(value & 0xFF));
    bytes.push_back(static_cast<BYTE>(value >> 8));
}

void TemplateBuilder::Dword(DWORD value) {
    Word(static_cast<WORD>(value & 0xFFFF));
    Word(static_cast<WORD>(value >> 16));
}

void TemplateBuilder::String(const char* text) {
    for (const char* at = text; *at; ++at)
        Word(static_cast<BYTE>(*at));
    Word(0);
}

void TemplateBuilder::Units(const RECT& units) {
    Word(static_cast<WORD>(units.left));
    Word(static_cast<WORD>(units.top));
    Word(static_cast<WORD>(units.right - units.left));
    Word(static_cast<WORD>(units.bottom - units.top));
}

void TemplateBuilder::Align() {
    while (bytes.size() % 4)
        bytes.push_back(0);
}

void TemplateBuilder::StartItem(DWORD style, RECT units, int id) {
    Align();
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);
    Units(units);
    Word(static_cast<WORD>(id));
    ++bytes[countAt];
}

void TemplateBuilder::EndItem(const char* text) {
    String(text);
    Word(0); // no creation data
}

TemplateBuilder& TemplateBuilder::Item(WORD classOrdinal, const char* text, int id, DWORD style,
                                       RECT units) {
    StartItem(style, units, id);
    Word(0xFFFF);
    Word(classOrdinal);
    EndItem(text);
    return *this;
}

TemplateBuilder& TemplateBuilder::Item(const char* className, const char* text, int id, DWORD style,
                                       RECT units) {
    StartItem(style, units, id);
    String(className);
    EndItem(text);
    return *this;
}

TemplateBuilder& TemplateBuilder::Picture(WORD resource, int id, DWORD style, RECT units) {
    StartItem(style, units, id);
    Word(0xFFFF);
    Word(0x82);
    Word(0xFFFF);
    Word(resource);
    Word(0);
    return *this;
}

const DLGTEMPLATE* TemplateBuilder::Template() const {
    return reinterpret_cast<const DLGTEMPLATE*>(bytes.data());
}

void DialogTest::SetUp() {
    WindowTest::SetUp();
    current = this;
    owner = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 40, 30});
    On(WM_ENTERIDLE, [this](HWND, WPARAM, LPARAM lParam) {
        auto dialog = reinterpret_cast<HWND>(lParam);
        if (script.empty()) {
            EndDialog(dialog, kScriptEnded);
            return LRESULT{0};
        }
        Step step = std::move(script.front());
        script.pop_front();
        if (!step) return LRESULT{0};
        step(dialog);
        PostMessageA(dialog, WM_NULL, 0, 0); // the dialog's loop turns again
        return LRESULT{0};
    });
}

void DialogTest::TearDown() {
    current = nullptr;
    WindowTest::TearDown();
}

INT_PTR DialogTest::Run(const TemplateBuilder& builder, std::vector<Step> steps) {
    script.assign(steps.begin(), steps.end());
    return DialogBoxIndirectParamA(nullptr, builder.Template(), owner, Procedure, 77);
}

INT_PTR CALLBACK DialogTest::Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogTest* test = current;
    test->heard.push_back({message, wParam, lParam});
    if (message == WM_INITDIALOG) {
        if (test->onInit) test->onInit(dialog);
        return test->initAnswer;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

std::vector<Heard> DialogTest::HeardOf(std::vector<UINT> kinds) const {
    std::vector<Heard> found;
    for (const Heard& h : heard) {
        for (UINT kind : kinds) {
            if (h.message == kind) found.push_back(h);
        }
    }
    return found;
}

std::vector<std::string> DialogTest::Commands() const {
    std::vector<std::string> commands;
    for (const Heard& h : HeardOf({WM_COMMAND}))
        commands.push_back(std::to_string(LOWORD(h.wParam)) + ":" +
                           std::to_string(HIWORD(h.wParam)));
    return commands;
}

void DialogTest::Press(UINT key, bool shift) {
    if (shift) platform::InjectKey(VK_SHIFT, true, false);
    platform::InjectKey(key, true, false);
    platform::InjectKey(key, false, false);
    if (shift) platform::InjectKey(VK_SHIFT, false, false);
}

void DialogTest::Alt(UINT key) {
    platform::InjectKey(VK_MENU, true, true);
    platform::InjectKey(key, true, true);
    platform::InjectKey(key, false, true);
    platform::InjectKey(VK_MENU, false, false);
}

void DialogTest::Type(const char* text) {
    for (const char* at = text; *at; ++at) {
        char c = *at;
        UINT key = (c >= 'a' && c <= 'z') ? static_cast<UINT>(c - 'a' + 'A') : static_cast<UINT>(c);
        if (c == '-') key = VK_OEM_MINUS;
        Press(key, c >= 'A' && c <= 'Z');
    }
}

namespace {

POINT OnScreen(HWND control, int x, int y) {
    POINT point{x, y};
    ClientToScreen(control, &point);
    return point;
}

} // namespace

void DialogTest::MouseDown(HWND control, int x, int y) {
    platform::InjectMouseButton(0, true, OnScreen(control, x, y));
}

void DialogTest::MouseMove(HWND control, int x, int y) {
    platform::InjectMouseMove(OnScreen(control, x, y));
}

void DialogTest::MouseUp(HWND control, int x, int y) {
    platform::InjectMouseButton(0, false, OnScreen(control, x, y));
}

void DialogTest::Click(HWND control, int x, int y) {
    MouseDown(control, x, y);
    MouseUp(control, x, y);
}

} // namespace dialog_test
