// The headers a stream has been given, consumed byte by byte in order. Not locked: a stream
// whose consumer runs on another thread holds its own lock around every call.
#pragma once
#include <cstddef>
#include <deque>
#include <vector>

#include "platform/win32.h"

namespace platform {

class HeaderQueue {
public:
    void Push(WAVEHDR* header);
    // Takes up to n bytes (copied to out unless it is null); a header whose last byte is
    // taken moves to the done list. Returns the bytes taken.
    size_t Consume(BYTE* out, size_t n);
    // Bytes left in the header at the front (0 with none).
    size_t FrontRemaining() const;
    bool Empty() const { return queued.empty(); }
    bool HasDone() const { return !done.empty(); }

    std::vector<WAVEHDR*> TakeDone();
    // Done first, then the queued ones; the queue is left empty.
    std::vector<WAVEHDR*> TakeAll();

private:
    void RetireFinished();

    std::deque<WAVEHDR*> queued;
    size_t frontTaken = 0; // bytes of the front header consumed
    std::vector<WAVEHDR*> done;
};

} // namespace platform
