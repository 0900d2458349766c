// The registry file itself: hand-written files are read, damaged ones are kept aside with
// defaults, replacement is atomic and concurrent writers lose nothing.
#include "platform/win32.h"
#include "tests/support/temporary_registry.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

const char kKey[] = "Software\\Test";

// The 4-byte value under kKey, or -1 when it cannot be read.
long ReadDword(const char* name) {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, kKey, &key) != ERROR_SUCCESS) return -1;
    DWORD value = 0, size = sizeof value;
    const LONG status =
        RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS && size == 4 ? long(value) : -1;
}

bool WriteDword(const char* name, DWORD value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const LONG status =
        RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), sizeof value);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

TEST(RegistryFile, HandWrittenFormsAreRead) {
    TemporaryRegistry registry;
    registry.Write("\xEF\xBB\xBFREGEDIT4\r\n"
                   "; a comment\r\n"
                   "\r\n"
                   "[hkey_current_user\\Software\\Test]\r\n"
                   "\"short\" = dword:2a\r\n"
                   "\"long\"=hex(4):01,02,03,04,\\\r\n"
                   "  05,06\r\n"
                   "\"Text\"=\"7\"\r\n");
    EXPECT_EQ(ReadDword("short"), 42);
    EXPECT_EQ(ReadDword("long"), -1) << "six bytes are no dword";
    EXPECT_EQ(ReadDword("text"), -1);
    EXPECT_TRUE(registry.Others().empty());
}

TEST(RegistryFile, DamagedFileIsKeptAsideAndDefaultsApply) {
    for (const std::string damage :
         {"not a registry\n", "REGEDIT4\n\"outside\"=dword:1\n", "REGEDIT4\n[HKEY_NOWHERE\\x]\n",
          "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Test]\n\"a\"=dword:123456789\n",
          "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Test]\n\"a\"=hex:01,\n",
          "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Test]\n\"a=dword:1\n"}) {
        TemporaryRegistry registry;
        registry.Write(damage);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(ReadDword("a"), -1) << damage;
        const std::string warning = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(warning.find("damaged"), std::string::npos) << damage;

        const std::vector<std::string> aside = registry.Others();
        ASSERT_EQ(aside.size(), 1u) << damage;
        EXPECT_EQ(aside[0].rfind("registry.reg.damaged-", 0), 0u);
        std::ifstream kept(registry.folder + "/" + aside[0]);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), damage);

        EXPECT_TRUE(WriteDword("a", 5));
        EXPECT_EQ(ReadDword("a"), 5);
        EXPECT_EQ(registry.Others().size(), 1u) << "the kept file stays";
    }
}

TEST(RegistryFile, ReplacementIsAtomic) {
    TemporaryRegistry registry;
    ASSERT_TRUE(WriteDword("a", 1));
    const int before = open(registry.File().c_str(), O_RDONLY);
    ASSERT_GE(before, 0);
    const std::string oldText = registry.Text();
    ASSERT_TRUE(WriteDword("b", 2));

    // The reader of the old file still has all of it: the new file came in by rename.
    char buffer[4096];
    const ssize_t got = read(before, buffer, sizeof buffer);
    close(before);
    EXPECT_EQ(std::string(buffer, size_t(std::max<ssize_t>(got, 0))), oldText);
    EXPECT_NE(registry.Text(), oldText);
    EXPECT_TRUE(registry.Others().empty()) << "no temporary file left behind";
}

TEST(RegistryFile, ConcurrentWritersKeepEachOthersValues) {
    TemporaryRegistry registry;
    constexpr int kWriters = 3, kValuesEach = 40;
    std::vector<pid_t> children;
    for (int writer = 0; writer < kWriters; ++writer) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            bool ok = true;
            for (int i = 0; i < kValuesEach; ++i)
                ok = WriteDword(("w" + std::to_string(writer) + "-" + std::to_string(i)).c_str(),
                                DWORD(writer * 1000 + i)) &&
                     ok;
            _exit(ok ? 0 : 1);
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int writer = 0; writer < kWriters; ++writer)
        for (int i = 0; i < kValuesEach; ++i)
            EXPECT_EQ(ReadDword(("w" + std::to_string(writer) + "-" + std::to_string(i)).c_str()),
                      writer * 1000 + i);
}

} // namespace
