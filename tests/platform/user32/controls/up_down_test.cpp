#include "tests/platform/dialog_test_support.h"

namespace {

using dialog_test::DialogTest;
using dialog_test::Heard;
using dialog_test::kEdit;
using dialog_test::TemplateBuilder;

constexpr int kSpin = 60;
constexpr int kBuddy = 61;

TemplateBuilder SpinDialog(DWORD spinStyle = 0) {
    TemplateBuilder builder(WS_POPUP | DS_ABSALIGN, {0, 0, 120, 60}, "Spin");
    builder.Item(kEdit, "5", kBuddy, WS_TABSTOP | WS_BORDER, {10, 10, 50, 22})
        .Item(UPDOWN_CLASSA, "", kSpin, spinStyle, {50, 10, 60, 22});
    return builder;
}

HWND Spin(HWND dialog) {
    return GetDlgItem(dialog, kSpin);
}

void ClickUp(HWND dialog) {
    DialogTest::Click(Spin(dialog), 3, 2);
}

void ClickDown(HWND dialog) {
    RECT client;
    GetClientRect(Spin(dialog), &client);
    DialogTest::Click(Spin(dialog), 3, client.bottom - 2);
}

std::vector<std::string> Reports(const std::vector<Heard>& heard) {
    std::vector<std::string> reports;
    for (const Heard& h : heard)
        reports.push_back(std::to_string(LOWORD(h.wParam)) + "@" +
                          std::to_string(static_cast<short>(HIWORD(h.wParam))));
    return reports;
}

TEST_F(DialogTest, TheDefaultRangeRunsFrom100DownTo0) {
    LRESULT range = 0, position = -1;
    Run(SpinDialog(), {[&](HWND d) {
            range = SendMessageA(Spin(d), UDM_GETRANGE, 0, 0);
            position = SendMessageA(Spin(d), UDM_GETPOS, 0, 0);
        }});
    EXPECT_EQ(LOWORD(range), 0);   // maximum
    EXPECT_EQ(HIWORD(range), 100); // minimum
    EXPECT_EQ(position, 0);
}

// Up moves toward the maximum, here 0: at the end of the range the position stays, and the
// parent still hears the click.
TEST_F(DialogTest, EveryClickReportsItsPositionAlsoAtTheEndsOfTheRange) {
    Run(SpinDialog(), {ClickUp, ClickDown, ClickDown, ClickUp});
    EXPECT_EQ(Reports(HeardOf({WM_VSCROLL})),
              (std::vector<std::string>{"4@0", "8@0", "4@1", "8@1", "4@2", "8@2", "4@1", "8@1"}));
    for (const Heard& h : HeardOf({WM_VSCROLL}))
        EXPECT_NE(h.lParam, 0);
}

TEST_F(DialogTest, AtTheLowEndOfAnOrdinaryRangeDownStays) {
    Run(SpinDialog(), {[](HWND d) {
                           SendMessageA(Spin(d), UDM_SETRANGE, 0, MAKELPARAM(10, 0));
                           SendMessageA(Spin(d), UDM_SETPOS, 0, MAKELPARAM(0, 0));
                       },
                       ClickDown, ClickUp});
    EXPECT_EQ(Reports(HeardOf({WM_VSCROLL})),
              (std::vector<std::string>{"4@0", "8@0", "4@1", "8@1"}));
}

TEST_F(DialogTest, AHeldArrowRepeatsItsSteps) {
    Run(SpinDialog(), {[](HWND d) { SendMessageA(Spin(d), UDM_SETPOS, 0, MAKELPARAM(50, 0)); },
                       [](HWND d) { MouseDown(Spin(d), 3, 2); }, Wait(), Wait(),
                       [](HWND d) { MouseUp(Spin(d), 3, 2); }});
    EXPECT_EQ(Reports(HeardOf({WM_VSCROLL})),
              (std::vector<std::string>{"4@49", "4@48", "4@47", "8@47"}));
}

// The buddy's text, typed or set, is where the next step starts.
TEST_F(DialogTest, ABuddyShowsThePositionAndAlignsTheControl) {
    char first[8] = "", second[8] = "";
    RECT buddy{}, spin{};
    Run(SpinDialog(UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT),
        {[](HWND d) { SendMessageA(Spin(d), UDM_SETRANGE, 0, MAKELPARAM(30, 0)); }, ClickUp,
         ClickUp,
         [&](HWND d) {
             GetDlgItemTextA(d, kBuddy, first, sizeof first);
             SetDlgItemTextA(d, kBuddy, "26");
         },
         ClickUp,
         [&](HWND d) {
             GetDlgItemTextA(d, kBuddy, second, sizeof second);
             GetWindowRect(GetDlgItem(d, kBuddy), &buddy);
             GetWindowRect(Spin(d), &spin);
         }});
    EXPECT_STREQ(first, "7");
    EXPECT_STREQ(second, "27");
    EXPECT_EQ(spin.right - spin.left, 16);
    EXPECT_EQ(spin.top, buddy.top);
    EXPECT_EQ(spin.bottom, buddy.bottom);
    EXPECT_EQ(spin.left, buddy.right - 2); // over the buddy's border
}

} // namespace
