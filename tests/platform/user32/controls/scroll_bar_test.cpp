#include "tests/platform/dialog_test_support.h"

namespace {

using dialog_test::DialogTest;
using dialog_test::Heard;
using dialog_test::kScrollBar;
using dialog_test::TemplateBuilder;

constexpr int kBar = 50;

// A 150 x 16 pixel bar (100 x 10 units at 6 x 13), range 0 to 255 at 100.
TemplateBuilder BarDialog() {
    TemplateBuilder builder(WS_POPUP | DS_ABSALIGN, {0, 0, 140, 60}, "Bar");
    builder.Item(kScrollBar, "", kBar, SBS_HORZ | WS_TABSTOP, {10, 10, 110, 20});
    return builder;
}

void Prepare(HWND dialog) {
    HWND bar = GetDlgItem(dialog, kBar);
    SetScrollRange(bar, SB_CTL, 0, 255, FALSE);
    SetScrollPos(bar, SB_CTL, 100, TRUE);
}

// The requests the dialog heard, with the position for the thumb ones.
std::vector<std::string> Requests(const std::vector<Heard>& heard) {
    std::vector<std::string> requests;
    for (const Heard& h : heard) {
        std::string request = std::to_string(LOWORD(h.wParam));
        if (LOWORD(h.wParam) == SB_THUMBTRACK || LOWORD(h.wParam) == SB_THUMBPOSITION) {
            request += "@" + std::to_string(HIWORD(h.wParam));
        }
        requests.push_back(request);
    }
    return requests;
}

HWND Bar(HWND dialog) {
    return GetDlgItem(dialog, kBar);
}

TEST_F(DialogTest, ArrowClicksSendALineRequestThenEndScroll) {
    Run(BarDialog(),
        {Prepare, [](HWND d) { Click(Bar(d), 3, 8); }, [](HWND d) { Click(Bar(d), 146, 8); }});
    EXPECT_EQ(Requests(HeardOf({WM_HSCROLL})), (std::vector<std::string>{"0", "8", "1", "8"}));
    for (const Heard& h : HeardOf({WM_HSCROLL}))
        EXPECT_NE(h.lParam, 0);
}

TEST_F(DialogTest, AHeldArrowRepeatsUntilReleased) {
    Run(BarDialog(), {Prepare, [](HWND d) { MouseDown(Bar(d), 146, 8); }, Wait(), Wait(), Wait(),
                      [](HWND d) { MouseUp(Bar(d), 146, 8); }});
    EXPECT_EQ(Requests(HeardOf({WM_HSCROLL})), (std::vector<std::string>{"1", "1", "1", "1", "8"}));
}

TEST_F(DialogTest, TrackClicksPageTowardTheMouse) {
    Run(BarDialog(),
        {Prepare, [](HWND d) { Click(Bar(d), 20, 8); }, [](HWND d) { Click(Bar(d), 130, 8); }});
    EXPECT_EQ(Requests(HeardOf({WM_HSCROLL})), (std::vector<std::string>{"2", "8", "3", "8"}));
}

TEST_F(DialogTest, DraggingTheThumbTracksThenSetsThePosition) {
    SCROLLINFO info{sizeof info, SIF_POS | SIF_RANGE, 0, 0, 0, 0, 0};
    Run(BarDialog(),
        {Prepare,
         // The thumb (16 wide) starts at 16 + 100 * (118 - 16) / 255 = 56.
         [](HWND d) { MouseDown(Bar(d), 60, 8); }, [](HWND d) { MouseMove(Bar(d), 80, 8); },
         [](HWND d) { MouseMove(Bar(d), 500, 8); }, [](HWND d) { MouseUp(Bar(d), 500, 8); },
         [&](HWND d) { GetScrollInfo(Bar(d), SB_CTL, &info); }});
    EXPECT_EQ(Requests(HeardOf({WM_HSCROLL})),
              (std::vector<std::string>{"5@150", "5@255", "4@255", "8"}));
    // The bar stays where its owner put it until the owner moves it.
    EXPECT_EQ(info.nPos, 100);
    EXPECT_EQ(info.nMax, 255);
}

TEST_F(DialogTest, PositionsAreClampedToTheRangeAndThePage) {
    int low = 0, high = 0, paged = 0, previous = 0;
    Run(BarDialog(), {[&](HWND d) {
            HWND bar = Bar(d);
            SetScrollRange(bar, SB_CTL, 1, 3, TRUE);
            previous = SetScrollPos(bar, SB_CTL, 7, TRUE);
            high = GetScrollPos(bar, SB_CTL);
            SetScrollPos(bar, SB_CTL, -4, TRUE);
            low = GetScrollPos(bar, SB_CTL);
            SCROLLINFO info{sizeof info, SIF_ALL, 0, 99, 10, 95, 0};
            paged = SetScrollInfo(bar, SB_CTL, &info, TRUE);
        }});
    EXPECT_EQ(previous, 1);
    EXPECT_EQ(high, 3);
    EXPECT_EQ(low, 1);
    EXPECT_EQ(paged, 90);
}

TEST_F(DialogTest, KeysScrollAFocusedBar) {
    Run(BarDialog(), {[](HWND d) { SetFocus(Bar(d)); }, [](HWND) { Press(VK_RIGHT); },
                      [](HWND) { Press(VK_NEXT); }, [](HWND) { Press(VK_HOME); }});
    EXPECT_EQ(Requests(HeardOf({WM_HSCROLL})),
              (std::vector<std::string>{"1", "8", "3", "8", "6", "8"}));
}

} // namespace
