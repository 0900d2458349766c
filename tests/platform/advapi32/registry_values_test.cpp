// Registry keys and values through the Win32 calls: every type and length comes back byte
// for byte after a trip through the file, with the query and key rules callers rely on.
#include "platform/win32.h"
#include "tests/support/temporary_registry.h"

#include <gtest/gtest.h>

namespace {

class RegistryValues : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Test\\Values", 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override { RegCloseKey(key); }

    // Type and bytes as read through a fresh handle, the path spelled in another case.
    std::pair<DWORD, std::vector<BYTE>> Get(const char* name) {
        HKEY again = nullptr;
        DWORD type = 0, size = 0;
        EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "software\\TEST\\values", &again), ERROR_SUCCESS);
        EXPECT_EQ(RegQueryValueExA(again, name, nullptr, &type, nullptr, &size), ERROR_SUCCESS);
        std::vector<BYTE> data(size);
        EXPECT_EQ(RegQueryValueExA(again, name, nullptr, &type, data.data(), &size), ERROR_SUCCESS);
        RegCloseKey(again);
        return {type, data};
    }

    TemporaryRegistry registry;
    HKEY key = nullptr;
};

TEST_F(RegistryValues, EveryTypeAndLengthReadsBackExactly) {
    const std::vector<std::pair<DWORD, std::vector<BYTE>>> cases = {
        {REG_DWORD, {0x2a, 0, 0, 0}},
        {REG_DWORD, {1, 2, 3, 4, 5, 6, 7, 8}},
        {REG_SZ, {'a', '"', '\\', 'b', 0}},
        {REG_SZ, {'n', 'o', 'n', 'u', 'l'}},
        {REG_SZ, {'t', 'w', 'o', '\n', 0}},
        {REG_SZ, {'i', 'n', 0, 'n', 0}},
        {REG_BINARY, {}},
        {REG_BINARY, {0xff, 0x00, 0x7f}},
        {REG_MULTI_SZ, {'a', 0, 'b', 0, 0}},
        {0x12345678, {9}},
    };
    for (size_t i = 0; i < cases.size(); ++i)
        ASSERT_EQ(RegSetValueExA(key, ("v" + std::to_string(i)).c_str(), 0, cases[i].first,
                                 cases[i].second.data(), DWORD(cases[i].second.size())),
                  ERROR_SUCCESS);
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(Get(("V" + std::to_string(i)).c_str()), cases[i]) << "case " << i;

    const std::string text = registry.Text();
    EXPECT_EQ(text.rfind("REGEDIT4\n", 0), 0u);
    for (const char* line :
         {"[HKEY_CURRENT_USER\\Software\\Test\\Values]\n", "\"v0\"=dword:0000002a\n",
          "\"v2\"=\"a\\\"\\\\b\"\n", "\"v7\"=hex:ff,00,7f\n", "\"v9\"=hex(12345678):09\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

TEST_F(RegistryValues, QueryAndKeyRules) {
    const BYTE eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_EQ(RegSetValueExA(key, "hue", 0, REG_BINARY, eight, 8), ERROR_SUCCESS);
    BYTE buffer[4] = {9, 9, 9, 9};
    DWORD size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(key, "hue", nullptr, nullptr, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(std::vector<BYTE>(buffer, buffer + 4), std::vector<BYTE>(4, 9)) << "untouched";
    EXPECT_EQ(RegQueryValueExA(key, "missing", nullptr, nullptr, buffer, &size),
              ERROR_FILE_NOT_FOUND);

    HKEY other = nullptr;
    EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Nowhere", &other), ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Test", 0, KEY_READ, &other),
              ERROR_SUCCESS)
        << "parents exist";
    EXPECT_EQ(RegSetValueExA(other, "x", 0, REG_BINARY, eight, 1), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegCloseKey(other), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(other), ERROR_INVALID_HANDLE);
    for (const char* bad : {"\\Lead", "Trail\\", "Double\\\\Slash", "Line\nBreak"})
        EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, bad, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &other, nullptr),
                  ERROR_BAD_PATHNAME)
            << bad;
}

} // namespace
