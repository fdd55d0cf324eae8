#include "cycle/win32/Win32Registry.h"

#include "cycle/RegistryServices.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

// A key of the test's own under HKEY_CURRENT_USER\Software, removed with its values at the end.
class TestKey {
public:
    TestKey()
        : m_path("Software\\Zentrel test " + std::to_string(GetCurrentProcessId()))
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
        if (RegCreateKeyExA(HKEY_CURRENT_USER, m_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key, nullptr)
            != ERROR_SUCCESS)
            throw std::runtime_error("cannot create the test key");
    }
    ~TestKey()
    {
        RegCloseKey(m_key);
        RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
    }

    const std::string& path() const { return m_path; }
    void set(const char* name, DWORD type, const std::string& data) const
    {
        RegSetValueExA(m_key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()), DWORD(data.size()));
    }
    // The value's type and bytes as Windows holds them.
    std::pair<DWORD, std::string> stored(const char* name) const
    {
        DWORD type = 0, size = 0;
        if (RegQueryValueExA(m_key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return { REG_NONE, "(missing)" };
        std::string data(size, '\0');
        RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        return { type, data };
    }

private:
    std::string m_path;
    HKEY m_key = nullptr;
};

TEST(Win32Registry, ReadsEachKindOfValueAsTheStoreWouldReport)
{
    TestKey test;
    test.set("Plain", REG_SZ, std::string("C:\\WINDOWS\0", 11));
    test.set("Unterminated", REG_SZ, "no NUL");
    test.set("Expandable", REG_EXPAND_SZ, std::string("%SystemRoot%\\x\0", 15));
    test.set("Number", REG_DWORD, std::string("\x01\0\0\0", 4));
    test.set("", REG_SZ, std::string("default\0", 8));
    const std::string longText(70000, 'w');
    test.set("Long", REG_SZ, longText + '\0');

    Win32Registry registry;
    auto key = registry.openKey(RegistryRoot::CurrentUser, "\\" + test.path());
    ASSERT_TRUE(key);
    using Kind = RegistryValue::Kind;
    const struct {
        const char* name;
        Kind kind;
        std::string text;
    } cases[] = {
        { "Plain", Kind::String, "C:\\WINDOWS" },
        { "plain", Kind::String, "C:\\WINDOWS" },
        { "Unterminated", Kind::String, "no NUL" },
        { "Expandable", Kind::ExpandableString, "%SystemRoot%\\x" },
        { "Number", Kind::OtherType, std::string("\x01\0\0\0", 4) },
        { "", Kind::String, "default" },
        { "Long", Kind::String, longText },
        { "Absent", Kind::Missing, "" },
    };
    for (const auto& expected : cases) {
        RegistryValue value = key->queryValue(expected.name);
        EXPECT_EQ(value.kind, expected.kind) << expected.name;
        EXPECT_EQ(value.text, expected.text) << expected.name;
    }
    // Opened without the leading separator too.
    EXPECT_TRUE(registry.openKey(RegistryRoot::CurrentUser, test.path()));
}

TEST(Win32Registry, WritesPlainStringsIntoExistingKeysOnly)
{
    TestKey test;
    Win32Registry registry;
    writeRegistryStrings(
        registry, "\\" + test.path(), { { "Wallpaper", "C:\\pics\\b b.bmp" }, { "TileWallpaper", "0" } });
    EXPECT_EQ(test.stored("Wallpaper"), std::make_pair(DWORD(REG_SZ), std::string("C:\\pics\\b b.bmp\0", 16)));
    EXPECT_EQ(test.stored("TileWallpaper"), std::make_pair(DWORD(REG_SZ), std::string("0\0", 2)));

    writeRegistryStrings(registry, "\\" + test.path(), { { "", "" } });
    EXPECT_EQ(test.stored(""), std::make_pair(DWORD(REG_SZ), std::string("\0", 1)));

    // A key that is not there is neither written nor made.
    const std::string missing = test.path() + "\\Not here";
    writeRegistryStrings(registry, missing, { { "Wallpaper", "x" } });
    EXPECT_FALSE(registry.openKey(RegistryRoot::CurrentUser, missing));
    HKEY probe = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, missing.c_str(), 0, KEY_READ, &probe), ERROR_SUCCESS);
}

TEST(Win32Registry, TheWindowsDirectoryIsTheSystemsWhereNoSystemRootIsKept)
{
    char stored[MAX_PATH + 1];
    DWORD size = sizeof stored;
    const bool kept = RegGetValueA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "SystemRoot",
                          RRF_RT_REG_SZ | RRF_NOEXPAND, nullptr, stored, &size)
        == ERROR_SUCCESS;
    char system[MAX_PATH + 1];
    UINT length = GetWindowsDirectoryA(system, sizeof system);
    ASSERT_GT(length, 0u);

    Win32Registry registry;
    EXPECT_EQ(windowsDirectory(registry), kept ? std::string(stored) : std::string(system, length));
    auto key = registry.openKey(RegistryRoot::LocalMachine, "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
    ASSERT_TRUE(key);
    // Opened for reading only: the program never writes under HKEY_LOCAL_MACHINE.
    EXPECT_FALSE(key->setStringValue("Zentrel test", "x"));
    EXPECT_EQ(key->queryValue("Zentrel test").kind, RegistryValue::Kind::Missing);
    // Other keys and values of that root are left as they are.
    EXPECT_FALSE(registry.openKey(RegistryRoot::LocalMachine, "SOFTWARE\\Zentrel test missing key"));
}

} // namespace
