#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/win32.h"

namespace {

char Pattern(size_t at) {
    return static_cast<char>(at * 7 % 251);
}

class Mmio : public ::testing::Test {
protected:
    void SetUp() override {
        path = ::testing::TempDir() + "mmio_test_XXXXXX";
        int descriptor = mkstemp(path.data());
        ASSERT_GE(descriptor, 0);
        close(descriptor);
        std::string bytes;
        for (size_t i = 0; i < kFileSize; ++i)
            bytes += Pattern(i);
        std::ofstream(path, std::ios::binary) << bytes;
    }
    void TearDown() override {
        if (file) mmioClose(file, 0);
        std::remove(path.c_str());
    }
    void OpenBuffered(DWORD flags = MMIO_READ) {
        file = mmioOpenA(path.data(), nullptr, flags);
        ASSERT_NE(file, nullptr);
        ASSERT_EQ(mmioSetBuffer(file, buffer, sizeof buffer, 0), MMSYSERR_NOERROR);
        ASSERT_EQ(mmioGetInfo(file, &info, 0), MMSYSERR_NOERROR);
    }
    // What the stream does: take the next buffer-full and count all of it as read.
    LONG Refill() {
        EXPECT_EQ(mmioAdvance(file, &info, MMIO_READ), MMSYSERR_NOERROR);
        info.pchNext = info.pchEndRead;
        return static_cast<LONG>(info.pchEndRead - info.pchBuffer);
    }
    void ExpectBufferHoldsFileFrom(LONG offset) {
        for (char* p = info.pchBuffer; p < info.pchEndRead; ++p)
            ASSERT_EQ(*p, Pattern(offset + (p - info.pchBuffer))) << "at " << offset;
    }

    static constexpr size_t kFileSize = 50;
    std::string path;
    HMMIO file = nullptr;
    char buffer[16];
    MMIOINFO info{};
};

TEST_F(Mmio, AdvanceReadsNextBufferFullsUpToShortLastOne) {
    OpenBuffered();
    EXPECT_EQ(info.pchBuffer, buffer);
    EXPECT_EQ(info.cchBuffer, 16);
    EXPECT_EQ(info.pchNext, info.pchEndRead); // empty
    const LONG expected[] = {16, 16, 16, 2, 0, 0};
    LONG offset = 0;
    for (LONG count : expected) {
        ASSERT_EQ(Refill(), count);
        EXPECT_EQ(info.lBufOffset, offset);
        EXPECT_EQ(info.lDiskOffset, offset + count);
        ExpectBufferHoldsFileFrom(offset);
        offset += count;
    }
}

TEST_F(Mmio, SeekOutsideBufferRefillsAtTargetInsideMovesOnly) {
    OpenBuffered();
    EXPECT_EQ(mmioSeek(file, 0, SEEK_END), 50);
    EXPECT_EQ(mmioSeek(file, -4, SEEK_END), 46);
    EXPECT_EQ(mmioSeek(file, 0, SEEK_SET), 0);
    ASSERT_EQ(Refill(), 16);
    ASSERT_EQ(mmioSetInfo(file, &info, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(mmioSeek(file, 0, SEEK_CUR), 16);
    EXPECT_EQ(mmioSeek(file, 20, SEEK_SET), 20);
    ASSERT_EQ(mmioSetBuffer(file, info.pchBuffer, info.cchBuffer, 0), MMSYSERR_NOERROR);
    ASSERT_EQ(mmioGetInfo(file, &info, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(info.lBufOffset, 20);
    ASSERT_EQ(Refill(), 16);
    ExpectBufferHoldsFileFrom(20);
    ASSERT_EQ(mmioSetInfo(file, &info, 0), MMSYSERR_NOERROR);
    // Inside the buffered bytes: no file access, the next read continues from there.
    EXPECT_EQ(mmioSeek(file, -10, SEEK_CUR), 26);
    char byte = 0;
    EXPECT_EQ(mmioRead(file, &byte, 1), 1);
    EXPECT_EQ(byte, Pattern(26));
    EXPECT_EQ(mmioSeek(file, -1, SEEK_SET), -1);
    EXPECT_EQ(mmioSeek(file, 0, 7), -1);
}

TEST_F(Mmio, ReadsInPiecesAcrossBufferEndsBufferedOrNot) {
    for (bool buffered : {true, false}) {
        if (buffered) {
            OpenBuffered();
        } else {
            file = mmioOpenA(path.data(), nullptr, MMIO_READ);
        }
        std::vector<char> piece(7);
        LONG total = 0;
        for (LONG got; (got = mmioRead(file, piece.data(), 7)) > 0; total += got) {
            ASSERT_EQ(got, total + 7 <= 50 ? 7 : 50 - total);
            for (LONG i = 0; i < got; ++i)
                ASSERT_EQ(piece[i], Pattern(total + i));
        }
        EXPECT_EQ(total, 50);
        EXPECT_EQ(mmioRead(file, piece.data(), 7), 0);
        EXPECT_EQ(mmioClose(file, 0), MMSYSERR_NOERROR);
        file = nullptr;
    }
}

TEST_F(Mmio, WrittenBytesReadBackAndCreateTruncates) {
    file = mmioOpenA(path.data(), nullptr, MMIO_CREATE | MMIO_WRITE);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(mmioSeek(file, 0, SEEK_END), 0);
    EXPECT_EQ(mmioWrite(file, "0123456789", 10), 10);
    EXPECT_EQ(mmioWrite(file, "abcdef", 6), 6);
    EXPECT_EQ(mmioSeek(file, 2, SEEK_SET), 2);
    EXPECT_EQ(mmioWrite(file, "XY", 2), 2);
    EXPECT_EQ(mmioSeek(file, 0, SEEK_END), 16);
    EXPECT_EQ(mmioClose(file, 0), MMSYSERR_NOERROR);

    OpenBuffered(MMIO_READ);
    char back[32] = {};
    EXPECT_EQ(mmioRead(file, back, sizeof back), 16);
    EXPECT_STREQ(back, "01XY456789abcdef");
}

TEST_F(Mmio, DirtyBufferIsWrittenByAdvanceAndClose) {
    OpenBuffered(MMIO_READWRITE);
    ASSERT_EQ(Refill(), 16);
    memcpy(info.pchBuffer, "HEAD", 4);
    info.pchNext = info.pchBuffer + 4;
    info.dwFlags |= MMIO_DIRTY;
    ASSERT_EQ(mmioAdvance(file, &info, MMIO_READ), MMSYSERR_NOERROR);
    EXPECT_EQ(info.lBufOffset, 16); // the bytes read before the change stay counted
    memcpy(info.pchBuffer, "MID", 3);
    info.pchNext = info.pchBuffer + 3;
    info.dwFlags |= MMIO_DIRTY;
    ASSERT_EQ(mmioSetInfo(file, &info, 0), MMSYSERR_NOERROR);
    ASSERT_EQ(mmioClose(file, 0), MMSYSERR_NOERROR);
    file = nullptr;

    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(bytes.size(), 50u);
    EXPECT_EQ(bytes.substr(0, 4), "HEAD");
    EXPECT_EQ(bytes[4], Pattern(4));
    EXPECT_EQ(bytes.substr(16, 3), "MID");
    EXPECT_EQ(bytes[19], Pattern(19));
}

TEST_F(Mmio, FailuresAreReportedNotActedOn) {
    MMIOINFO opening{};
    std::string missing = path + ".missing";
    EXPECT_EQ(mmioOpenA(missing.data(), &opening, MMIO_READ), nullptr);
    EXPECT_EQ(opening.wErrorRet, UINT(MMIOERR_FILENOTFOUND));
    EXPECT_EQ(mmioOpenA(path.data(), nullptr, MMIO_RWMODE), nullptr);

    file = mmioOpenA(path.data(), nullptr, MMIO_READ);
    ASSERT_NE(file, nullptr);
    MMIOINFO unbuffered{};
    EXPECT_EQ(mmioAdvance(file, &unbuffered, MMIO_READ), UINT(MMIOERR_UNBUFFERED));
    EXPECT_EQ(mmioWrite(file, "x", 1), -1); // opened for reading
    ASSERT_EQ(mmioSetBuffer(file, buffer, sizeof buffer, 0), MMSYSERR_NOERROR);
    ASSERT_EQ(mmioGetInfo(file, &info, 0), MMSYSERR_NOERROR);
    info.pchNext = info.pchBuffer + 1; // beyond the bytes read, and not dirty
    EXPECT_EQ(mmioSetInfo(file, &info, 0), UINT(MMSYSERR_INVALPARAM));

    ASSERT_EQ(mmioClose(file, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(mmioClose(file, 0), UINT(MMSYSERR_INVALHANDLE));
    EXPECT_EQ(mmioRead(file, buffer, 1), -1);
    EXPECT_EQ(mmioSeek(file, 0, SEEK_SET), -1);
    file = nullptr;
}

} // namespace
