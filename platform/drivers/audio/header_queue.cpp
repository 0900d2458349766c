#include "platform/drivers/audio/header_queue.h"

#include <algorithm>
#include <cstring>

namespace platform {

void HeaderQueue::Push(WAVEHDR* header) {
    queued.push_back(header);
    RetireFinished();
}

size_t HeaderQueue::FrontRemaining() const {
    return queued.empty() ? 0 : queued.front()->dwBufferLength - frontTaken;
}

// An empty header is done as soon as it reaches the front.
void HeaderQueue::RetireFinished() {
    while (!queued.empty() && FrontRemaining() == 0) {
        done.push_back(queued.front());
        queued.pop_front();
        frontTaken = 0;
    }
}

size_t HeaderQueue::Consume(BYTE* out, size_t n) {
    size_t taken = 0;
    RetireFinished();
    while (taken < n && !queued.empty()) {
        size_t part = std::min(n - taken, FrontRemaining());
        if (out) std::memcpy(out + taken, queued.front()->lpData + frontTaken, part);
        frontTaken += part;
        taken += part;
        RetireFinished();
    }
    return taken;
}

std::vector<WAVEHDR*> HeaderQueue::TakeDone() {
    std::vector<WAVEHDR*> taken;
    taken.swap(done);
    return taken;
}

std::vector<WAVEHDR*> HeaderQueue::TakeAll() {
    std::vector<WAVEHDR*> all = TakeDone();
    all.insert(all.end(), queued.begin(), queued.end());
    queued.clear();
    frontTaken = 0;
    return all;
}

} // namespace platform
