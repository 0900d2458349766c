// What GetMessageA does while there is nothing to deliver.
#pragma once
#include "platform/user32/message/filter.h"

namespace platform {

// Under the virtual clock time moves by Sleep to the next due timer or source message
// (the wave-out devices). With neither the
// clock moves in small steps, asking the display for input each time; after a minute of
// virtual time with nothing to deliver the program is deadlocked for good: it says so on
// stderr and aborts. With the real clock the display waits for host input until the next
// timer or source message is due, or another thread wakes it.
void WaitForMessage(const MessageFilter& filter);
// A message was delivered: the idle time counted towards the deadlock starts again.
void NoteMessageDelivered();

} // namespace platform
