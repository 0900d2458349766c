// Producers of posted messages outside the window manager (the wave-out devices). Retrieval
// lets each post what has come due before it looks at the queue, and a wait for messages
// ends when the next one is due or when another thread wakes it.
#pragma once
#include <optional>

#include "platform/win32.h"

namespace platform {

class MessageSource {
public:
    virtual ~MessageSource() = default;
    // Posts the messages that are due now; on the owning thread.
    virtual void PostDue() = 0;
    // Milliseconds until the platform clock makes the next one due; none when only another
    // thread can tell (it then calls WakeMessageWait).
    virtual std::optional<DWORD> TimeToNextPost() = 0;
};

void AddMessageSource(MessageSource* source);
void RemoveMessageSource(MessageSource* source);

void PostDueSourceMessages();
std::optional<DWORD> TimeToNextSourceMessage();

// Callable from any thread: the owning thread's wait for messages (GetMessageA, WaitMessage)
// ends and it looks again.
void WakeMessageWait();

} // namespace platform
