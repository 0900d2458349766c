// The test controls of platform/testing/message_boxes.h: a watcher that records every box.
#include "platform/testing/message_box_record.h"
#include "platform/user32/message_box_presenter.h"

namespace platform::testing {
namespace {

void Record(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    RecordMessageBox({owner, text, caption, type});
}

// Watching starts with the program: a box shown before a test first looks is recorded too.
const bool watching = (SetMessageBoxWatcher(Record), true);

} // namespace

void SetMessageBoxResult(int result) {
    SetUnpresentedAnswer(result);
}

} // namespace platform::testing
