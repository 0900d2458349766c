// The window classes the system itself provides (dialogs and controls). They are always
// registered: no program can unregister or forget them.
#pragma once
#include <memory>

#include "platform/user32/window/class_table.h"

namespace platform {

// Null when no system class has that name (without regard to case) or atom.
std::shared_ptr<const WindowClass> FindSystemClass(LPCSTR nameOrAtom);

} // namespace platform
