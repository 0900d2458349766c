// The clean slate between tests.
#include "platform/drivers/display/backend.h"
#include "platform/testing/windows.h"
#include "platform/user32/input/cursor_state.h"
#include "platform/user32/input/keyboard_state.h"
#include "platform/user32/message/queue.h"
#include "platform/user32/message/timers.h"
#include "platform/user32/message/wait.h"
#include "platform/user32/window/activation.h"
#include "platform/user32/window/manager.h"
#include "platform/user32/window/table.h"

namespace platform::testing {

void ResetWindows() {
    for (HWND window : TopLevelOrder())
        Display().TopLevelDestroyed(window);
    ForgetAllWindows();
    ForgetWindowClasses();
    ClearMessageQueue();
    ForgetTimers();
    ResetCursorState();
    ResetKeyboardState();
    ResetActivation();
    NoteMessageDelivered();
}

std::size_t PostedMessageCount() {
    return QueuedMessageCount();
}

} // namespace platform::testing
