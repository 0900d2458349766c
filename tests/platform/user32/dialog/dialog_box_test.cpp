#include "platform/testing/resources.h"
#include "tests/platform/dialog_test_support.h"

namespace {

using dialog_test::DialogTest;
using dialog_test::kButton;
using dialog_test::kEdit;
using dialog_test::kStatic;
using dialog_test::TemplateBuilder;

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_ABSALIGN;

TemplateBuilder TwoButtons() {
    TemplateBuilder builder(kDialogStyle, {40, 40, 200, 120}, "Two buttons");
    builder.Item(kEdit, "", 100, WS_TABSTOP | WS_BORDER, {10, 10, 90, 22})
        .Item(kButton, "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, {10, 40, 60, 54})
        .Item(kButton, "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, {70, 40, 120, 54});
    return builder;
}

TEST_F(DialogTest, DialogUnitsComeFromTheFontAsWineMeasuresThem) {
    RECT mapped{}, control{}, dialog{};
    INT_PTR result = Run(TwoButtons(), {[&](HWND d) {
                             mapped = RECT{0, 0, 4, 8};
                             MapDialogRect(d, &mapped);
                             GetWindowRect(d, &dialog);
                             GetWindowRect(GetDlgItem(d, IDCANCEL), &control);
                         }});
    EXPECT_EQ(result, kScriptEnded);
    // DejaVu Sans Condensed at 8 points: 6 x 13, as the same template gets under Wine.
    EXPECT_EQ(mapped.right, 6);
    EXPECT_EQ(mapped.bottom, 13);
    EXPECT_EQ(dialog.left, 60); // 40 units absolute
    EXPECT_EQ(dialog.right - dialog.left, 240);
    EXPECT_EQ(control.left - dialog.left, 105);
    EXPECT_EQ(control.top - dialog.top, 65);
    EXPECT_EQ(control.right - control.left, 75);
    EXPECT_EQ(control.bottom - control.top, 23);
}

TEST_F(DialogTest, ShownWhenTheQueueFirstEmptiesWithTheOwnerDisabledMeanwhile) {
    bool visibleAtInit = true, visibleAtIdle = false, ownerEnabledInside = true;
    onInit = [&](HWND d) { visibleAtInit = IsWindowVisible(d); };
    INT_PTR result = Run(TwoButtons(), {[&](HWND d) {
                             visibleAtIdle = IsWindowVisible(d);
                             ownerEnabledInside = IsWindowEnabled(owner);
                             EndDialog(d, 7);
                         }});
    EXPECT_EQ(result, 7);
    EXPECT_FALSE(visibleAtInit);
    EXPECT_TRUE(visibleAtIdle);
    EXPECT_FALSE(ownerEnabledInside);
    EXPECT_TRUE(IsWindowEnabled(owner));
    ASSERT_FALSE(HeardOf({WM_INITDIALOG}).empty());
    EXPECT_EQ(HeardOf({WM_INITDIALOG}).front().lParam, 77);
}

TEST_F(DialogTest, InitDialogTrueFocusesTheFirstTabStopFalseLeavesTheProcedureChoice) {
    HWND focusTrue = nullptr, focusFalse = nullptr, cancel = nullptr;
    Run(TwoButtons(),
        {[&](HWND d) { focusTrue = GetFocus() == GetDlgItem(d, 100) ? GetFocus() : nullptr; }});
    EXPECT_NE(focusTrue, nullptr);
    initAnswer = FALSE;
    onInit = [&](HWND d) { SetFocus(cancel = GetDlgItem(d, IDCANCEL)); };
    Run(TwoButtons(), {[&](HWND) { focusFalse = GetFocus(); }});
    EXPECT_EQ(focusFalse, cancel);
}

TEST_F(DialogTest, EnterPressesTheDefaultButtonOrTheFocusedOneAndEscapeCancels) {
    EXPECT_EQ(Run(TwoButtons(), {[](HWND) { Press(VK_RETURN); }}), IDOK);
    EXPECT_EQ(Run(TwoButtons(), {[](HWND) { Press(VK_TAB); }, [](HWND) { Press(VK_TAB); },
                                 [](HWND) { Press(VK_RETURN); }}),
              IDCANCEL);
    EXPECT_EQ(Run(TwoButtons(), {[](HWND) { Press(VK_ESCAPE); }}), IDCANCEL);
    // The close box is Cancel too.
    EXPECT_EQ(Run(TwoButtons(), {[](HWND d) { PostMessageA(d, WM_CLOSE, 0, 0); }}), IDCANCEL);
}

TEST_F(DialogTest, EnterWithoutADefaultButtonIsIdOk) {
    TemplateBuilder builder(kDialogStyle, {0, 0, 100, 60}, "No default");
    builder.Item(kButton, "Apply", 30, BS_PUSHBUTTON | WS_TABSTOP, {5, 5, 50, 19})
        .Item(kEdit, "", 31, WS_TABSTOP, {5, 25, 50, 37});
    EXPECT_EQ(
        Run(builder, {[](HWND d) { SetFocus(GetDlgItem(d, 31)); }, [](HWND) { Press(VK_RETURN); }}),
        IDOK);
}

TEST_F(DialogTest, TabAndShiftTabVisitTabStopsInTemplateOrderSkippingDisabledOnes) {
    TemplateBuilder builder(kDialogStyle, {0, 0, 160, 100}, "Order");
    builder.Item(kEdit, "", 10, WS_TABSTOP, {5, 5, 60, 17})
        .Item(kStatic, "Label", 11, SS_LEFT, {70, 5, 100, 15})
        .Item(kButton, "A", 12, BS_PUSHBUTTON | WS_TABSTOP, {5, 25, 40, 39})
        .Item(kButton, "Off", 13, BS_AUTOCHECKBOX | WS_TABSTOP | WS_DISABLED, {5, 45, 60, 55})
        .Item(kButton, "B", 14, BS_PUSHBUTTON | WS_TABSTOP, {5, 60, 40, 74});
    std::vector<int> visited;
    auto note = [&](HWND) { visited.push_back(GetDlgCtrlID(GetFocus())); };
    Run(builder, {note, [](HWND) { Press(VK_TAB); }, note, [](HWND) { Press(VK_TAB); }, note,
                  [](HWND) { Press(VK_TAB); }, note, [](HWND) { Press(VK_TAB, true); }, note});
    EXPECT_EQ(visited, (std::vector<int>{10, 12, 14, 10, 14}));
}

TEST_F(DialogTest, ArrowsMoveWithinARadioGroupCheckingWhatTheyReachAndWrap) {
    TemplateBuilder builder(kDialogStyle, {0, 0, 160, 100}, "Radios");
    builder.Item(kButton, "One", 21, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, {5, 5, 80, 15})
        .Item(kButton, "Two", 22, BS_AUTORADIOBUTTON, {5, 20, 80, 30})
        .Item(kButton, "Three", 23, BS_AUTORADIOBUTTON, {5, 35, 80, 45})
        .Item(kButton, "OK", IDOK, BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, {5, 60, 50, 74});
    std::vector<int> focus;
    std::vector<UINT> checks;
    auto note = [&](HWND d) {
        focus.push_back(GetDlgCtrlID(GetFocus()));
        checks.push_back(IsDlgButtonChecked(d, 21) | IsDlgButtonChecked(d, 22) << 1 |
                         IsDlgButtonChecked(d, 23) << 2);
    };
    Run(builder,
        {[](HWND d) { CheckRadioButton(d, 21, 23, 21); }, note, [](HWND) { Press(VK_DOWN); }, note,
         [](HWND) { Press(VK_UP); }, [](HWND) { Press(VK_UP); }, note});
    EXPECT_EQ(focus, (std::vector<int>{21, 22, 23}));
    EXPECT_EQ(checks, (std::vector<UINT>{1, 2, 4}));
    // Each check the arrows made was a click the dialog heard.
    EXPECT_EQ(Commands(), (std::vector<std::string>{"22:0", "21:0", "23:0"}));
}

TEST_F(DialogTest, MnemonicsReachTheControlAfterALabelOrPressAButton) {
    TemplateBuilder builder(kDialogStyle, {0, 0, 160, 100}, "Mnemonics");
    builder.Item(kStatic, "&Name:", -1, SS_LEFT, {5, 5, 40, 15})
        .Item(kEdit, "", 40, WS_TABSTOP, {45, 5, 120, 17})
        .Item(kButton, "&Apply", 41, BS_PUSHBUTTON | WS_TABSTOP, {5, 30, 50, 44})
        .Item(kButton, "&Loop", 42, BS_AUTOCHECKBOX | WS_TABSTOP, {5, 50, 60, 60});
    int afterAlt = 0;
    UINT checked = 0;
    Run(builder, {[](HWND d) { SetFocus(GetDlgItem(d, 41)); }, [](HWND) { Alt('N'); },
                  [&](HWND) { afterAlt = GetDlgCtrlID(GetFocus()); },
                  [](HWND d) { SetFocus(GetDlgItem(d, 41)); }, [](HWND) { Type("l"); },
                  [&](HWND d) { checked = IsDlgButtonChecked(d, 42); }, [](HWND) { Alt('A'); }});
    EXPECT_EQ(afterAlt, 40);
    EXPECT_EQ(checked, static_cast<UINT>(BST_CHECKED));
    std::vector<std::string> clicks;
    for (const std::string& command : Commands()) {
        if (command.rfind("40:", 0) != 0) clicks.push_back(command); // not the edit's focus news
    }
    EXPECT_EQ(clicks, (std::vector<std::string>{"42:0", "41:0"}));
}

TEST_F(DialogTest, ItemHelpersSetAndReadTextNumbersAndChecks) {
    BOOL translated = TRUE;
    UINT number = 0, negative = 0;
    char text[16] = "";
    Run(TwoButtons(), {[&](HWND d) {
            SetDlgItemInt(d, 100, 25, FALSE);
            number = GetDlgItemInt(d, 100, &translated, FALSE);
            SetDlgItemTextA(d, 100, " -7 ");
            negative = GetDlgItemInt(d, 100, nullptr, TRUE);
            SetDlgItemTextA(d, 100, "12ab");
            GetDlgItemInt(d, 100, &translated, FALSE);
            GetDlgItemTextA(d, 100, text, sizeof text);
        }});
    EXPECT_EQ(number, 25u);
    EXPECT_EQ(static_cast<int>(negative), -7);
    EXPECT_FALSE(translated);
    EXPECT_STREQ(text, "12ab");
}

TEST_F(DialogTest, ABrokenTemplateInTheResourcesIsRefusedWithMinusOne) {
    TemplateBuilder builder = TwoButtons();
    const std::vector<BYTE>& whole = builder.Bytes();
    std::vector<BYTE> truncated(whole.begin(), whole.end() - 9);
    platform::testing::AddResource(RT_DIALOG, MAKEINTRESOURCEA(9001), truncated);
    EXPECT_EQ(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(9001), owner, nullptr, 0),
              -1);
    EXPECT_EQ(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(9404), owner, nullptr, 0),
              -1);
    EXPECT_TRUE(IsWindowEnabled(owner));
    platform::testing::RemoveResource(RT_DIALOG, MAKEINTRESOURCEA(9001));
}

} // namespace
