#include "platform/testing/message_box_record.h"

#include <utility>

namespace platform::testing {
namespace {

std::vector<RecordedMessageBox>& Recorded() {
    static std::vector<RecordedMessageBox> recorded;
    return recorded;
}

} // namespace

void RecordMessageBox(RecordedMessageBox box) {
    Recorded().push_back(std::move(box));
}

std::vector<RecordedMessageBox> TakeMessageBoxes() {
    std::vector<RecordedMessageBox> taken;
    taken.swap(Recorded());
    return taken;
}

void ClearMessageBoxes() {
    Recorded().clear();
}

} // namespace platform::testing
