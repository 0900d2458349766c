// Registry keys and values through the Win32 calls: every type and length comes back byte
// for byte after a trip through the file, with the query rules callers rely on.
#include "platform/win32.h"
#include "tests/support/temporary_registry.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class RegistryValues : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Test\\Values", 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override { RegCloseKey(key); }

    void Set(const char* name, DWORD type, std::vector<BYTE> data) {
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, data.data(), DWORD(data.size())),
                  ERROR_SUCCESS);
    }
    // Type and bytes as read through a fresh handle.
    std::pair<DWORD, std::vector<BYTE>> Get(const char* name) {
        HKEY again = nullptr;
        EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "software\\TEST\\values", &again), ERROR_SUCCESS);
        DWORD type = 0, size = 0;
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
        {REG_DWORD, {1, 2, 3, 4, 5, 6, 7, 8}}, // an 8-byte "dword"
        {REG_SZ, {'a', '"', '\\', 'b', 0}},
        {REG_SZ, {'n', 'o', ' ', 'n', 'u', 'l'}},
        {REG_SZ, {'t', 'w', 'o', '\n', 'l', 'i', 'n', 'e', 's', 0}},
        {REG_SZ, {'i', 'n', 0, 'n', 'e', 'r', 0}},
        {REG_BINARY, {}},
        {REG_BINARY, {0xff, 0x00, 0x7f}},
        {REG_MULTI_SZ, {'a', 0, 'b', 0, 0}},
        {0x12345678, {9}},
    };
    for (size_t i = 0; i < cases.size(); ++i)
        Set(("value " + std::to_string(i)).c_str(), cases[i].first, cases[i].second);
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(Get(("value " + std::to_string(i)).c_str()), cases[i]) << "case " << i;

    const std::string text = registry.Text();
    EXPECT_EQ(text.rfind("REGEDIT4\n", 0), 0u);
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Test\\Values]\n"), std::string::npos);
    EXPECT_NE(text.find("\"value 0\"=dword:0000002a\n"), std::string::npos);
    EXPECT_NE(text.find("\"value 2\"=\"a\\\"\\\\b\"\n"), std::string::npos);
    EXPECT_NE(text.find("\"value 7\"=hex:ff,00,7f\n"), std::string::npos);
}

TEST_F(RegistryValues, QueryBufferSizesNamesAndDefaultValue) {
    Set("Hue", REG_BINARY, {1, 2, 3, 4, 5, 6, 7, 8});
    Set(nullptr, REG_SZ, {'d', 0});

    BYTE buffer[4] = {9, 9, 9, 9};
    DWORD size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(key, "hue", nullptr, nullptr, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(std::vector<BYTE>(buffer, buffer + 4), std::vector<BYTE>(4, 9)) << "untouched";

    EXPECT_EQ(RegQueryValueExA(key, "missing", nullptr, nullptr, buffer, &size),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueExA(key, "hue", nullptr, nullptr, buffer, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Get("").second, std::vector<BYTE>({'d', 0}));
    EXPECT_NE(registry.Text().find("@=\"d\"\n"), std::string::npos);
}

TEST_F(RegistryValues, KeysOpenCreateAndRefuse) {
    HKEY other = nullptr;
    DWORD disposition = 0;
    EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Nowhere", &other), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Test\\Values", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &other, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, DWORD(REG_OPENED_EXISTING_KEY));
    RegCloseKey(other);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Test", 0, KEY_READ, &other),
              ERROR_SUCCESS)
        << "parents exist";
    BYTE byte = 1;
    EXPECT_EQ(RegSetValueExA(other, "x", 0, REG_BINARY, &byte, 1), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegCloseKey(other), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(other), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegSetValueExA(other, "x", 0, REG_BINARY, &byte, 1), ERROR_INVALID_HANDLE);

    for (const char* bad : {"\\Lead", "Trail\\", "Double\\\\Slash", "Line\nBreak"})
        EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, bad, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &other, nullptr),
                  ERROR_BAD_PATHNAME)
            << bad;
    EXPECT_EQ(RegSetValueExA(key, "line\nbreak", 0, REG_BINARY, &byte, 1), ERROR_INVALID_PARAMETER);
}

} // namespace
