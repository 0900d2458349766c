// Who else takes part in a message box: a display backend installs a presenter to show boxes
// for real, and a watcher (the test controls) sees every box first.
#pragma once
#include "platform/include/windef.h"

namespace platform {

// Shows the box modally and returns the button chosen, or 0 when it could not be shown.
typedef int (*MessageBoxPresenter)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
// Null removes the presenter.
void SetMessageBoxPresenter(MessageBoxPresenter presenter);

typedef void (*MessageBoxWatcher)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
// Null removes the watcher.
void SetMessageBoxWatcher(MessageBoxWatcher watcher);

// The button a box returns when no presenter shows it; 0 means its default button.
void SetUnpresentedAnswer(int answer);

} // namespace platform
