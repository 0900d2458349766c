// The clean slate between tests.
#include "platform/cursor_state.h"
#include "platform/display/backend.h"
#include "platform/keyboard_state.h"
#include "platform/message_queue.h"
#include "platform/message_wait.h"
#include "platform/testing/windows.h"
#include "platform/timers.h"
#include "platform/window_activation.h"
#include "platform/window_manager.h"
#include "platform/window_table.h"

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
