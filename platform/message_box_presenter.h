// A display backend installs a presenter to show message boxes for real; MessageBoxA still
// records every box first.
#pragma once
#include "platform/api/types.h"

namespace platform {

// Shows the box modally and returns the button chosen, or 0 when it could not be shown.
typedef int (*MessageBoxPresenter)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// Null removes the presenter.
void SetMessageBoxPresenter(MessageBoxPresenter presenter);

} // namespace platform
