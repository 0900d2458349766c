// The test controls of platform/testing/message_boxes.h: a watcher that records every box.
#include "platform/testing/message_boxes.h"
#include "platform/user32/message_box_presenter.h"

namespace platform::testing {
namespace {

std::vector<RecordedMessageBox>& Recorded() {
    static std::vector<RecordedMessageBox> recorded;
    return recorded;
}

void Record(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    Recorded().push_back({owner, text, caption, type});
}

// Watching starts with the program: a box shown before a test first looks is recorded too.
const bool watching = (SetMessageBoxWatcher(Record), true);

} // namespace

std::vector<RecordedMessageBox> TakeMessageBoxes() {
    std::vector<RecordedMessageBox> taken;
    taken.swap(Recorded());
    return taken;
}

void ClearMessageBoxes() {
    Recorded().clear();
}

void SetMessageBoxResult(int result) {
    SetUnpresentedAnswer(result);
}

} // namespace platform::testing
