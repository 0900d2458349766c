#include <algorithm>

#include "tests/platform/dialog_test_support.h"

namespace {

using dialog_test::DialogTest;
using dialog_test::kButton;
using dialog_test::TemplateBuilder;

constexpr int kCheck = 80;
constexpr int kShift = 81;
constexpr int kColorize = 82;
constexpr int kPush = 83;

// Push-like radio buttons and a check box, as the settings dialog has them.
TemplateBuilder Buttons() {
    TemplateBuilder builder(WS_POPUP | DS_ABSALIGN, {0, 0, 160, 80}, "Buttons");
    builder.Item(kButton, "Animate", kCheck, BS_AUTOCHECKBOX | WS_TABSTOP, {5, 5, 80, 15})
        .Item(kButton, "Shift", kShift, BS_AUTORADIOBUTTON | BS_PUSHLIKE | WS_GROUP | WS_TABSTOP,
              {5, 20, 55, 34})
        .Item(kButton, "Colorize", kColorize, BS_AUTORADIOBUTTON | BS_PUSHLIKE, {60, 20, 110, 34})
        .Item(kButton, "Restore", kPush, BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP, {5, 40, 60, 54});
    return builder;
}

HWND Item(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

TEST_F(DialogTest, AClickTogglesAnAutomaticCheckBoxAndIsHeard) {
    std::vector<UINT> states;
    auto note = [&](HWND d) { states.push_back(IsDlgButtonChecked(d, kCheck)); };
    Run(Buttons(), {note, [](HWND d) { Click(Item(d, kCheck), 5, 5); }, note,
                    [](HWND d) { Click(Item(d, kCheck), 5, 5); }, note,
                    [](HWND d) { CheckDlgButton(d, kCheck, BST_CHECKED); }, note});
    EXPECT_EQ(states, (std::vector<UINT>{0, 1, 0, 1}));
    // Setting the check by program is not a click.
    EXPECT_EQ(Commands(), (std::vector<std::string>{"80:0", "80:0"}));
}

TEST_F(DialogTest, AReleaseOutsideTheButtonIsNoClick) {
    Run(Buttons(), {[](HWND d) { MouseDown(Item(d, kPush), 5, 5); },
                    [](HWND d) { MouseMove(Item(d, kPush), 200, 5); },
                    [](HWND d) { MouseUp(Item(d, kPush), 200, 5); },
                    [](HWND d) { SetFocus(Item(d, kPush)); }, [](HWND) { Press(VK_SPACE); }});
    EXPECT_EQ(Commands(), (std::vector<std::string>{"83:0"}));
}

TEST_F(DialogTest, AutomaticRadioButtonsCheckOneOfTheirGroupAndPushLikeOnesLookPressed) {
    UINT shift = 9, colorize = 9;
    COLORREF upCorner = 0, downCorner = 0;
    Run(Buttons(), {[](HWND d) { CheckRadioButton(d, kShift, kColorize, kShift); },
                    [](HWND d) { Click(Item(d, kColorize), 5, 5); },
                    [&](HWND d) {
                        shift = IsDlgButtonChecked(d, kShift);
                        colorize = IsDlgButtonChecked(d, kColorize);
                        // A raised button is light at its top-left corner, a pressed one dark.
                        upCorner = platform::testing::ShownPixel(Item(d, kShift), 0, 0);
                        downCorner = platform::testing::ShownPixel(Item(d, kColorize), 0, 0);
                    }});
    EXPECT_EQ(shift, static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(colorize, static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(upCorner, RGB(255, 255, 255));
    EXPECT_EQ(downCorner, RGB(128, 128, 128));
}

TEST_F(DialogTest, ADisabledButtonHasGreyTextAndTakesNoClicks) {
    std::vector<COLORREF> enabledPixels, disabledPixels;
    Run(Buttons(),
        {[&](HWND d) { enabledPixels = platform::testing::ShownClientPixels(Item(d, kPush)); },
         [](HWND d) { EnableWindow(Item(d, kPush), FALSE); },
         [&](HWND d) {
             disabledPixels = platform::testing::ShownClientPixels(Item(d, kPush));
             Click(Item(d, kPush), 10, 10);
         }});
    auto count = [](const std::vector<COLORREF>& pixels, COLORREF colour) {
        return std::count(pixels.begin(), pixels.end(), colour);
    };
    // The caption's ink: black when enabled; the embossed highlight and shadow when not.
    EXPECT_GT(count(enabledPixels, RGB(0, 0, 0)), count(disabledPixels, RGB(0, 0, 0)) + 10);
    EXPECT_GT(count(disabledPixels, RGB(128, 128, 128)), count(enabledPixels, RGB(128, 128, 128)));
    EXPECT_TRUE(Commands().empty());
}

TEST_F(DialogTest, ThePushButtonWithTheFocusIsTheDefaultWhileItHasIt) {
    TemplateBuilder builder(WS_POPUP | DS_ABSALIGN, {0, 0, 160, 80}, "Default");
    builder.Item(kButton, "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, {5, 5, 50, 19})
        .Item(kButton, "Other", kPush, BS_PUSHBUTTON | WS_TABSTOP, {60, 5, 110, 19});
    std::vector<LRESULT> codes;
    auto note = [&](HWND d) {
        codes.push_back(SendMessageA(Item(d, IDOK), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
        codes.push_back(SendMessageA(Item(d, kPush), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
    };
    Run(builder, {note, [](HWND) { Press(VK_TAB); }, note, [](HWND) { Press(VK_TAB); }, note});
    EXPECT_EQ(codes, (std::vector<LRESULT>{DLGC_DEFPUSHBUTTON, 0, 0, DLGC_DEFPUSHBUTTON,
                                           DLGC_DEFPUSHBUTTON, 0}));
}

} // namespace
