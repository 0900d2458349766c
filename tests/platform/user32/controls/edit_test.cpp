#include <algorithm>

#include "tests/platform/dialog_test_support.h"

namespace {

using dialog_test::DialogTest;
using dialog_test::kButton;
using dialog_test::kEdit;
using dialog_test::TemplateBuilder;

constexpr int kField = 70;
constexpr int kOther = 71;

TemplateBuilder EditDialog(DWORD editStyle = 0, const char* text = "") {
    TemplateBuilder builder(WS_POPUP | DS_ABSALIGN, {0, 0, 140, 60}, "Edit");
    builder.Item(kEdit, text, kField, WS_TABSTOP | WS_BORDER | editStyle, {10, 10, 110, 22})
        .Item(kButton, "Other", kOther, BS_PUSHBUTTON | WS_TABSTOP, {10, 30, 60, 44});
    return builder;
}

HWND Field(HWND dialog) {
    return GetDlgItem(dialog, kField);
}

std::string TextOf(HWND dialog) {
    char text[64] = "";
    GetDlgItemTextA(dialog, kField, text, sizeof text);
    return text;
}

DWORD Selection(HWND dialog) {
    DWORD start = 0, end = 0;
    SendMessageA(Field(dialog), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return start << 16 | end;
}

TEST_F(DialogTest, TypingInsertsAtTheCaretAndBackspaceAndDeleteErase) {
    std::string typed, erased;
    Run(EditDialog(), {[](HWND) { Type("Lumaris"); }, [&](HWND d) { typed = TextOf(d); },
                       [](HWND) {
                           Press(VK_LEFT);
                           Press(VK_LEFT);
                           Press(VK_BACK);
                           Press(VK_DELETE);
                       },
                       [&](HWND d) { erased = TextOf(d); }});
    EXPECT_EQ(typed, "Lumaris");
    EXPECT_EQ(erased, "Lumas");
}

TEST_F(DialogTest, TheLimitStopsTypingAndTellsTheParent) {
    std::string text;
    Run(EditDialog(), {[](HWND d) { SendMessageA(Field(d), EM_LIMITTEXT, 2, 0); },
                       [](HWND) { Type("123"); }, [&](HWND d) { text = TextOf(d); }});
    EXPECT_EQ(text, "12");
    std::vector<std::string> commands = Commands();
    EXPECT_EQ(std::count(commands.begin(), commands.end(), "70:768"), 2);  // EN_CHANGE
    EXPECT_EQ(std::count(commands.begin(), commands.end(), "70:1281"), 1); // EN_MAXTEXT
}

TEST_F(DialogTest, ANumberEditTakesDigitsOnly) {
    std::string text;
    Run(EditDialog(ES_NUMBER), {[](HWND) { Type("2a5-"); }, [&](HWND d) { text = TextOf(d); }});
    EXPECT_EQ(text, "25");
}

TEST_F(DialogTest, ShiftWithArrowsSelectsAndTypingReplacesTheSelection) {
    DWORD selected = 0;
    std::string text;
    Run(EditDialog(0, "spin"), {[](HWND) { Press(VK_END); },
                                [](HWND) {
                                    Press(VK_LEFT, true);
                                    Press(VK_LEFT, true);
                                },
                                [&](HWND d) { selected = Selection(d); }, [](HWND) { Type("t"); },
                                [&](HWND d) { text = TextOf(d); }});
    EXPECT_EQ(selected, (2u << 16 | 4u));
    EXPECT_EQ(text, "spt");
}

TEST_F(DialogTest, TabbingIntoAnEditSelectsAllOfIt) {
    DWORD selected = 0;
    Run(EditDialog(0, "1234"),
        {[](HWND d) { SetFocus(GetDlgItem(d, kOther)); }, [](HWND) { Press(VK_TAB); },
         [&](HWND d) { selected = Selection(d); }});
    EXPECT_EQ(selected, 4u);
}

TEST_F(DialogTest, DraggingTheMouseSelects) {
    DWORD selected = 0;
    // "MMMM": each M is wider than 6 pixels; the text starts 3 pixels in.
    Run(EditDialog(0, "MMMM"),
        {[](HWND d) { MouseDown(Field(d), 100, 8); }, [](HWND d) { MouseMove(Field(d), 2, 8); },
         [](HWND d) { MouseUp(Field(d), 2, 8); }, [&](HWND d) { selected = Selection(d); }});
    EXPECT_EQ(selected, 4u);
}

TEST_F(DialogTest, LeavingTheEditTellsTheParentItLostTheFocus) {
    Run(EditDialog(), {[](HWND) { Type("9"); }, [](HWND) { Press(VK_TAB); }});
    std::vector<std::string> commands = Commands();
    auto lost = std::find(commands.begin(), commands.end(), "70:512");
    ASSERT_NE(lost, commands.end());
    EXPECT_NE(std::find(commands.begin(), lost, "70:768"), lost); // the change came first
}

TEST_F(DialogTest, SetSelectionClampsAndMinusOneMeansTheEnd) {
    DWORD all = 0, clamped = 0;
    Run(EditDialog(0, "abc"), {[&](HWND d) {
            SendMessageA(Field(d), EM_SETSEL, 1, -1);
            all = Selection(d);
            SendMessageA(Field(d), EM_SETSEL, 9, 2);
            clamped = Selection(d);
        }});
    EXPECT_EQ(all, (1u << 16 | 3u));
    EXPECT_EQ(clamped, (2u << 16 | 3u));
}

} // namespace
