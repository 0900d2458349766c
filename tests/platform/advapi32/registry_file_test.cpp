// The registry file itself: hand-written files are read, damaged ones are kept aside with
// defaults, replacement is atomic and concurrent writers lose nothing.
#include "platform/win32.h"
#include "tests/support/temporary_registry.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

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

size_t Occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(RegistryFile, OnlyStaleTemporariesOfOurOwnGoAtTheNextWrite) {
    TemporaryRegistry registry;
    const std::vector<std::string> kept = {"registry.reg.backup", "registry.reg.AbC123",
                                           "registry.reg.tmp-abc", "other.reg.tmp-Ab3xYz",
                                           "registry.reg.tmp-Ab3xYz1"};
    for (const std::string& name : kept)
        std::ofstream(registry.folder + "/" + name) << "REGEDIT4\n";
    std::ofstream(registry.folder + "/registry.reg.tmp-Ab3xYz") << "REGEDIT4\n[HKEY_CUR";
    ASSERT_EQ(mkdir((registry.folder + "/registry.reg.tmp-Folder").c_str(), 0700), 0);

    ASSERT_TRUE(WriteDword("a", 1)); // as a writer killed before its rename would have left
    std::vector<std::string> left = registry.Others();
    std::sort(left.begin(), left.end());
    std::vector<std::string> expected = kept;
    expected.push_back("registry.reg.tmp-Folder");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);
}

TEST(RegistryFile, ALinkIsWrittenThroughToItsTarget) {
    TemporaryRegistry registry;
    ASSERT_EQ(mkdir((registry.folder + "/real").c_str(), 0700), 0);
    ASSERT_EQ(symlink("real/settings.reg", registry.File().c_str()), 0); // dangling at first
    ASSERT_TRUE(WriteDword("a", 1));
    ASSERT_TRUE(WriteDword("b", 2));

    struct stat link;
    ASSERT_EQ(lstat(registry.File().c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode)) << "the link stays a link";
    std::ifstream target(registry.folder + "/real/settings.reg");
    const std::string text(std::istreambuf_iterator<char>(target), {});
    EXPECT_NE(text.find("\"b\"=dword:00000002"), std::string::npos);
    EXPECT_EQ(ReadDword("a"), 1);
    EXPECT_EQ(registry.Others(), std::vector<std::string>{"real"}) << "no file beside the link";
}

TEST(RegistryFile, AFolderInThePlaceOfTheFileIsRefusedUntouched) {
    TemporaryRegistry registry;
    ASSERT_EQ(mkdir(registry.File().c_str(), 0700), 0);
    std::ofstream(registry.File() + "/mine.txt") << "keep me";

    ::testing::internal::CaptureStderr();
    EXPECT_EQ(ReadDword("a"), -1);
    EXPECT_FALSE(WriteDword("a", 1));
    EXPECT_EQ(ReadDword("a"), -1);
    const std::string warnings = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(Occurrences(warnings, "is a folder"), 1u) << warnings;
    EXPECT_EQ(Occurrences(warnings, "\n"), 1u) << warnings;
    EXPECT_NE(warnings.find(registry.File()), std::string::npos);

    std::ifstream mine(registry.File() + "/mine.txt");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(mine), {}), "keep me");
    EXPECT_TRUE(registry.Others().empty()) << "nothing renamed aside";
}

// A pipe would block a reader that opened it plainly, and a saver that never starts.
TEST(RegistryFile, APipeInThePlaceOfTheFileIsRefusedWithoutWaiting) {
    TemporaryRegistry registry;
    ASSERT_EQ(mkfifo(registry.File().c_str(), 0600), 0);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(ReadDword("a"), -1);
    EXPECT_FALSE(WriteDword("a", 1));
    const std::string warning = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(Occurrences(warning, "not a regular file"), 1u) << warning;
    struct stat info;
    ASSERT_EQ(lstat(registry.File().c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_TRUE(registry.Others().empty());
}

// A name so long that no ".damaged-" name fits beside it: the damaged file cannot be kept
// aside, and every call finds it again.
TEST(RegistryFile, AWarningComesOncePerFileHoweverOftenItIsRead) {
    TemporaryRegistry registry;
    const std::string path = registry.folder + "/" + std::string(240, 'r');
    setenv("LUMARIS_REGISTRY", path.c_str(), 1);
    std::ofstream(path) << "not a registry\n";

    ::testing::internal::CaptureStderr();
    for (int read = 0; read < 4; ++read)
        EXPECT_EQ(ReadDword("a"), -1);
    EXPECT_FALSE(WriteDword("a", 1));
    const std::string warnings = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(Occurrences(warnings, "damaged"), 1u) << warnings;
    EXPECT_NE(warnings.find(std::strerror(ENAMETOOLONG)), std::string::npos) << warnings;
}

TEST(RegistryFile, AFailedWriteSaysWhereAndWhy) {
    TemporaryRegistry registry;
    std::ofstream(registry.folder + "/plain") << "a file, not a folder";
    const std::string path = registry.folder + "/plain/registry.reg";
    setenv("LUMARIS_REGISTRY", path.c_str(), 1);

    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(WriteDword("a", 1));
    const std::string warning = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(Occurrences(warning, "\n"), 1u) << warning;
    EXPECT_NE(warning.find(path), std::string::npos) << warning;
    EXPECT_NE(warning.find(std::strerror(ENOTDIR)), std::string::npos) << warning;
}

} // namespace
