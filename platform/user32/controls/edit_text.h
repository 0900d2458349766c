// The text of a single-line edit with its selection: an anchor and a caret, the caret being
// the end that moves.
#pragma once
#include <cstddef>
#include <string>

namespace platform {

class EditText {
public:
    static constexpr size_t kDefaultLimit = 30000;

    const std::string& Text() const { return text; }
    size_t Caret() const { return caret; }
    size_t SelectionStart() const { return caret < anchor ? caret : anchor; }
    size_t SelectionEnd() const { return caret < anchor ? anchor : caret; }
    bool HasSelection() const { return caret != anchor; }
    size_t Limit() const { return limit; }

    // Replaces the whole text (the limit does not apply, as with WM_SETTEXT); caret at 0.
    void Assign(std::string value);
    // 0 means as much as the system allows.
    void SetLimit(size_t value);

    // Clamped to the text; a negative start removes the selection.
    void Select(long start, long end);
    // Moves the caret; with extend the anchor stays.
    void MoveCaret(size_t position, bool extend);

    // The selection replaced by what fits of the insertion under the limit; false when
    // nothing of it fitted (the text is unchanged then, unless a selection was removed).
    bool Replace(const std::string& insertion);
    // Backspace or Delete: the selection, else one character before or after the caret.
    bool EraseBackward();
    bool EraseForward();

private:
    std::string text;
    size_t anchor = 0;
    size_t caret = 0;
    size_t limit = kDefaultLimit;
};

} // namespace platform
