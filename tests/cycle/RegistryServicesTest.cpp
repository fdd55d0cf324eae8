#include "cycle/RegistryServices.h"

#include "cycle/Exception.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// An in-memory registry that records every write and can refuse chosen values.
class FakeRegistry : public Registry {
public:
    using Values = std::map<std::string, RegistryValue>;
    std::map<std::pair<RegistryRoot, std::string>, Values> keys;
    std::vector<std::string> written;
    std::string refused;

    std::unique_ptr<RegistryKey> openKey(RegistryRoot root, std::string_view path) override
    {
        auto key = keys.find({ root, std::string(path) });
        if (key == keys.end())
            return nullptr;
        return std::make_unique<Key>(*this, key->second);
    }

private:
    class Key : public RegistryKey {
    public:
        Key(FakeRegistry& registry, Values& values)
            : m_registry(registry)
            , m_values(values)
        {
        }
        RegistryValue queryValue(std::string_view name) override
        {
            auto value = m_values.find(std::string(name));
            return value == m_values.end() ? RegistryValue {} : value->second;
        }
        bool setStringValue(std::string_view name, std::string_view text) override
        {
            if (name == m_registry.refused)
                return false;
            m_values[std::string(name)] = { RegistryValue::Kind::String, std::string(text) };
            m_registry.written.push_back(std::string(name) + "=" + std::string(text));
            return true;
        }

    private:
        FakeRegistry& m_registry;
        Values& m_values;
    };
};

const std::string versionKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

std::string windowsDirectoryWith(RegistryValue value)
{
    FakeRegistry registry;
    registry.keys[{ RegistryRoot::LocalMachine, versionKey }]["SystemRoot"] = value;
    return windowsDirectory(registry);
}

std::string messageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Exception& error) {
        return error.what();
    }
    return "no exception";
}

} // namespace

TEST(WindowsDirectory, IsTheSystemRootStringOrEmpty)
{
    EXPECT_EQ(windowsDirectoryWith({ RegistryValue::Kind::String, "/m/c/WINDOWS" }), "/m/c/WINDOWS");
    EXPECT_EQ(windowsDirectoryWith({ RegistryValue::Kind::ExpandableString, "%WINDIR%" }), "%WINDIR%");
    EXPECT_EQ(windowsDirectoryWith({ RegistryValue::Kind::String, "" }), "");
    EXPECT_EQ(windowsDirectoryWith({}), "");
    FakeRegistry noKey;
    noKey.keys[{ RegistryRoot::CurrentUser, versionKey }]["SystemRoot"] = { RegistryValue::Kind::String, "/x" };
    EXPECT_EQ(windowsDirectory(noKey), "");
}

TEST(WindowsDirectory, OtherTypesAndUnreadableDataAreErrors)
{
    EXPECT_EQ(messageOf([] {
        windowsDirectoryWith({ RegistryValue::Kind::OtherType, "dword:00000001" });
    }),
        "Invalid data type for 'SystemRoot'");
    EXPECT_EQ(messageOf([] {
        windowsDirectoryWith({ RegistryValue::Kind::Unreadable, "" });
    }),
        "Failed to get data for 'SystemRoot'");
}

TEST(WriteRegistryStrings, WritesInOrderIntoAnExistingKeyOnly)
{
    FakeRegistry registry;
    registry.keys[{ RegistryRoot::CurrentUser, "\\Control Panel\\Desktop" }];
    writeRegistryStrings(registry, "\\Control Panel\\Desktop", { { "Wallpaper", "/a.bmp" }, { "TileWallpaper", "0" } });
    EXPECT_EQ(registry.written, (std::vector<std::string> { "Wallpaper=/a.bmp", "TileWallpaper=0" }));

    writeRegistryStrings(registry, "\\Control Panel\\Nowhere", { { "Wallpaper", "/b.bmp" } });
    EXPECT_EQ(registry.written.size(), 2u);
}

TEST(WriteRegistryStrings, StopsAtTheFirstRefusedValueKeepingTheEarlierOnes)
{
    FakeRegistry registry;
    registry.keys[{ RegistryRoot::CurrentUser, "\\Control Panel\\Desktop" }];
    registry.refused = "TileWallpaper";
    EXPECT_EQ(messageOf([&] {
        writeRegistryStrings(registry, "\\Control Panel\\Desktop",
            { { "Wallpaper", "/a.bmp" }, { "TileWallpaper", "1" }, { "ScreenSaveActive", "1" } });
    }),
        "Failed to set data for 'TileWallpaper'");
    EXPECT_EQ(registry.written, std::vector<std::string> { "Wallpaper=/a.bmp" });
}
