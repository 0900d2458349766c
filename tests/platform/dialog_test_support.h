// Modal dialogs driven from a script: dialog templates built in memory, a dialog procedure
// that records what the dialog hears, and an owner that runs the next step of the script
// each time the dialog's queue empties (WM_ENTERIDLE), injecting input as a user would.
#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/user32/input/host_input.h"
#include "tests/platform/window_test_support.h"

namespace dialog_test {

// A DLGTEMPLATE with its items, in the resource layout.
class TemplateBuilder {
public:
    TemplateBuilder(DWORD style, RECT units, const char* title, int pointSize = 8,
                    const char* face = "MS Shell Dlg");
    // A system class by its template ordinal (0x80 Button ... 0x85), or by name.
    TemplateBuilder& Item(WORD classOrdinal, const char* text, int id, DWORD style, RECT units);
    TemplateBuilder& Item(const char* className, const char* text, int id, DWORD style, RECT units);
    // A static whose title is a resource number (its icon or bitmap).
    TemplateBuilder& Picture(WORD resource, int id, DWORD style, RECT units);
    const std::vector<BYTE>& Bytes() const { return bytes; }
    const DLGTEMPLATE* Template() const;

private:
    void Word(WORD value);
    void Dword(DWORD value);
    void String(const char* text);
    void Units(const RECT& units);
    void Align();
    void StartItem(DWORD style, RECT units, int id);
    void EndItem(const char* text);

    std::vector<BYTE> bytes;
    size_t countAt = 0;
};

constexpr WORD kButton = 0x80;
constexpr WORD kEdit = 0x81;
constexpr WORD kStatic = 0x82;
constexpr WORD kScrollBar = 0x84;

struct Heard {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class DialogTest : public window_test::WindowTest {
public:
    // Input as the user gives it; positions in the control's client coordinates.
    static void Press(UINT key, bool shift = false);
    static void Alt(UINT key);
    static void Type(const char* text);
    static void MouseDown(HWND control, int x, int y);
    static void MouseMove(HWND control, int x, int y);
    static void MouseUp(HWND control, int x, int y);
    static void Click(HWND control, int x, int y);

protected:
    using Step = std::function<void(HWND dialog)>;

    void SetUp() override;
    void TearDown() override;

    // Runs the dialog modally over an owner window; each step runs at an idle moment, and
    // after the last one the dialog ends with kScriptEnded. A Wait() step lets the next
    // timer fire; the other steps are followed at once by the next idle moment.
    INT_PTR Run(const TemplateBuilder& builder, std::vector<Step> steps);
    static Step Wait() { return Step{}; }

    // What the dialog procedure heard of these kinds, in order.
    std::vector<Heard> HeardOf(std::vector<UINT> kinds) const;
    // The WM_COMMAND ids and codes heard, as "id:code".
    std::vector<std::string> Commands() const;

    static constexpr INT_PTR kScriptEnded = 4242;

    HWND owner = nullptr;
    BOOL initAnswer = TRUE;
    std::function<void(HWND)> onInit;
    std::vector<Heard> heard;

private:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    std::deque<Step> script;
    static inline DialogTest* current = nullptr;
};

} // namespace dialog_test
