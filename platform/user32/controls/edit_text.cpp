#include "platform/user32/controls/edit_text.h"

#include <algorithm>
#include <utility>

namespace platform {
namespace {

constexpr size_t kLargestLimit = 0x7FFFFFFE;

} // namespace

void EditText::Assign(std::string value) {
    text = std::move(value);
    anchor = caret = 0;
}

void EditText::SetLimit(size_t value) {
    limit = value == 0 ? kLargestLimit : value;
}

void EditText::Select(long start, long end) {
    if (start < 0) {
        anchor = caret;
        return;
    }
    size_t length = text.size();
    anchor = std::min(static_cast<size_t>(start), length);
    caret = end < 0 ? length : std::min(static_cast<size_t>(end), length);
    if (anchor > caret) std::swap(anchor, caret);
}

void EditText::MoveCaret(size_t position, bool extend) {
    caret = std::min(position, text.size());
    if (!extend) anchor = caret;
}

bool EditText::Replace(const std::string& insertion) {
    size_t start = SelectionStart();
    text.erase(start, SelectionEnd() - start);
    size_t room = text.size() < limit ? limit - text.size() : 0;
    size_t taken = std::min(room, insertion.size());
    text.insert(start, insertion, 0, taken);
    anchor = caret = start + taken;
    return taken > 0 || insertion.empty();
}

bool EditText::EraseBackward() {
    if (!HasSelection() && caret == 0) return false;
    if (!HasSelection()) anchor = caret - 1;
    return Replace("");
}

bool EditText::EraseForward() {
    if (!HasSelection() && caret == text.size()) return false;
    if (!HasSelection()) anchor = caret + 1;
    return Replace("");
}

} // namespace platform
