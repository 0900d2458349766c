// Message boxes shown by SDL while the SDL display is in use.
#pragma once
#include "platform/user32/message_box_presenter.h"

namespace platform {

int ShowSdlMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

} // namespace platform
