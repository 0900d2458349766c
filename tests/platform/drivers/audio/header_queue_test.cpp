// The queue both devices consume from: bytes across header boundaries in order, a header
// done exactly when its last byte is taken, empty headers done at once, reset order.
#include <gtest/gtest.h>

#include <string>

#include "platform/drivers/audio/header_queue.h"

namespace {

using platform::HeaderQueue;

WAVEHDR Header(std::string& data) {
    WAVEHDR header{};
    header.lpData = data.data();
    header.dwBufferLength = DWORD(data.size());
    return header;
}

TEST(HeaderQueue, ConsumesAcrossHeadersAndRetiresEachAtItsLastByte) {
    std::string first = "abc", empty, second = "defg";
    WAVEHDR a = Header(first), none = Header(empty), b = Header(second);
    HeaderQueue queue;
    queue.Push(&a);
    queue.Push(&none);
    queue.Push(&b);
    char out[8] = {};
    EXPECT_EQ(queue.Consume(reinterpret_cast<BYTE*>(out), 2), 2u);
    EXPECT_FALSE(queue.HasDone());
    EXPECT_EQ(queue.FrontRemaining(), 1u);
    EXPECT_EQ(queue.Consume(reinterpret_cast<BYTE*>(out + 2), 1), 1u);
    EXPECT_EQ(queue.TakeDone(), (std::vector<WAVEHDR*>{&a, &none})) << "the empty one follows";
    EXPECT_EQ(queue.Consume(reinterpret_cast<BYTE*>(out + 3), 10), 4u);
    EXPECT_EQ(std::string(out), "abcdefg");
    EXPECT_EQ(queue.TakeDone(), (std::vector<WAVEHDR*>{&b}));
    EXPECT_TRUE(queue.Empty());
    EXPECT_EQ(queue.Consume(reinterpret_cast<BYTE*>(out), 4), 0u);
}

TEST(HeaderQueue, TakeAllReturnsDoneHeadersBeforeQueuedOnes) {
    std::string first = "ab", second = "cd";
    WAVEHDR a = Header(first), b = Header(second);
    HeaderQueue queue;
    queue.Push(&a);
    queue.Push(&b);
    queue.Consume(nullptr, 3);
    EXPECT_EQ(queue.TakeAll(), (std::vector<WAVEHDR*>{&a, &b}));
    EXPECT_TRUE(queue.Empty());
    EXPECT_FALSE(queue.HasDone());
    queue.Push(&a);
    EXPECT_EQ(queue.FrontRemaining(), 2u) << "a fresh header starts at its first byte";
}

} // namespace
