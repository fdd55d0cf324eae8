#include "cycle/RegistryFile.h"

#include "cycle/Exception.h"
#include "cycle/TemporaryFolder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string desktopPath = "\\Control Panel\\Desktop";

// A store as Windows 98's regedit exports it, with a comment and value types the program never writes.
const std::string sample = "REGEDIT4\r\n"
                           "\r\n"
                           "; kept as it is\r\n"
                           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion]\r\n"
                           "\"SystemRoot\"=\"/machine/c/WINDOWS\"\r\n"
                           "\"ProgramFilesPath\"=hex(2):43,3a,5c,50,00\r\n"
                           "\r\n"
                           "[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"
                           "\"Wallpaper\"=\"(None)\"\r\n"
                           "\"UserPreferencemask\"=hex:a8,00,\\\r\n"
                           "  00,00\r\n"
                           "\"ScreenSaveTimeOut\"=dword:0000012c\r\n"
                           "\r\n"
                           "[HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current]\r\n"
                           "@=\"\"\r\n"
                           "\r\n";

struct Store {
    TemporaryFolder folder;
    std::string path = folder.file("registry.reg");
    explicit Store(const std::string& text) { folder.write("registry.reg", text); }
    std::string text() const { return folder.read("registry.reg"); }
};

RegistryValue query(RegistryFile& registry, RegistryRoot root, const std::string& key, const std::string& name)
{
    auto opened = registry.openKey(root, key);
    return opened ? opened->queryValue(name) : RegistryValue {};
}

std::string damageMessage(const std::string& text)
{
    Store store(text);
    RegistryFile registry(store.path);
    try {
        registry.openKey(RegistryRoot::CurrentUser, desktopPath);
    } catch (const Exception& error) {
        std::string message = error.what();
        if (message.find(store.path) == std::string::npos)
            return "no file name in: " + message;
        return message.substr(message.find("line "));
    }
    return "no exception";
}

} // namespace

TEST(RegistryFile, ReadsStringsDefaultValuesAndOtherTypes)
{
    Store store(sample);
    RegistryFile registry(store.path);
    const std::string version = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

    auto root = query(registry, RegistryRoot::LocalMachine, version, "SystemRoot");
    EXPECT_EQ(root.kind, RegistryValue::Kind::String);
    EXPECT_EQ(root.text, "/machine/c/WINDOWS");
    auto expandable = query(registry, RegistryRoot::LocalMachine, version, "ProgramFilesPath");
    EXPECT_EQ(expandable.kind, RegistryValue::Kind::ExpandableString);
    EXPECT_EQ(expandable.text, "C:\\P");
    EXPECT_EQ(query(registry, RegistryRoot::CurrentUser, desktopPath, "UserPreferencemask").kind,
        RegistryValue::Kind::OtherType);
    EXPECT_EQ(query(registry, RegistryRoot::CurrentUser, desktopPath, "ScreenSaveTimeOut").kind,
        RegistryValue::Kind::OtherType);
    EXPECT_EQ(
        query(registry, RegistryRoot::CurrentUser, desktopPath, "TileWallpaper").kind, RegistryValue::Kind::Missing);
    auto sound
        = query(registry, RegistryRoot::CurrentUser, "\\AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current", "");
    EXPECT_EQ(sound.kind, RegistryValue::Kind::String);
    EXPECT_EQ(sound.text, "");
}

TEST(RegistryFile, KeysAreFoundWithoutRegardToCaseAndNeverCreated)
{
    Store store(sample);
    RegistryFile registry(store.path);
    EXPECT_TRUE(registry.openKey(RegistryRoot::CurrentUser, "\\control panel\\DESKTOP"));
    EXPECT_TRUE(registry.openKey(RegistryRoot::CurrentUser, "Control Panel\\Desktop"));
    // A key that only has subkeys exists too.
    EXPECT_TRUE(registry.openKey(RegistryRoot::CurrentUser, "\\AppEvents\\Schemes"));
    EXPECT_FALSE(registry.openKey(RegistryRoot::LocalMachine, desktopPath));
    EXPECT_FALSE(registry.openKey(RegistryRoot::CurrentUser, "\\Control Panel\\Desk"));
    EXPECT_FALSE(registry.openKey(RegistryRoot::CurrentUser, "\\Control Panel\\Desktop\\Sub"));
    EXPECT_EQ(store.text(), sample);
}

TEST(RegistryFile, SettingAValueChangesOnlyItsLine)
{
    Store store(sample);
    RegistryFile registry(store.path);
    auto desktop = registry.openKey(RegistryRoot::CurrentUser, desktopPath);
    ASSERT_TRUE(desktop);
    ASSERT_TRUE(desktop->setStringValue("WALLPAPER", "C:\\My \"best\" Pictures\\sea.bmp"));

    std::string expected = sample;
    expected.replace(
        expected.find("\"Wallpaper\"=\"(None)\""), 20, "\"Wallpaper\"=\"C:\\\\My \\\"best\\\" Pictures\\\\sea.bmp\"");
    EXPECT_EQ(store.text(), expected);

    RegistryFile again(store.path);
    EXPECT_EQ(
        query(again, RegistryRoot::CurrentUser, desktopPath, "wallpaper").text, "C:\\My \"best\" Pictures\\sea.bmp");
}

TEST(RegistryFile, NewValuesFollowTheKeysLastValue)
{
    Store store(sample);
    RegistryFile registry(store.path);
    ASSERT_TRUE(registry.openKey(RegistryRoot::CurrentUser, desktopPath)->setStringValue("TileWallpaper", "1"));
    auto start
        = registry.openKey(RegistryRoot::CurrentUser, "\\AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current");
    ASSERT_TRUE(start->setStringValue("", "/sounds/ta da.wav"));

    std::string expected = sample;
    expected.insert(expected.find("\"ScreenSaveTimeOut\"=dword:0000012c\r\n") + 36, "\"TileWallpaper\"=\"1\"\r\n");
    expected.replace(expected.find("@=\"\""), 4, "@=\"/sounds/ta da.wav\"");
    EXPECT_EQ(store.text(), expected);
}

TEST(RegistryFile, AKeyKnownOnlyThroughItsSubkeysGetsItsOwnSection)
{
    Store store("REGEDIT4\n\n[HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps]\n\"x\"=\"1\"");
    RegistryFile registry(store.path);
    ASSERT_TRUE(registry.openKey(RegistryRoot::CurrentUser, "\\AppEvents")->setStringValue("Name", "v"));
    EXPECT_EQ(store.text(),
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps]\n\"x\"=\"1\"\n\n[HKEY_CURRENT_USER\\AppEvents]\n"
        "\"Name\"=\"v\"\n");
    EXPECT_EQ(query(registry, RegistryRoot::CurrentUser, "\\AppEvents", "name").text, "v");
}

TEST(RegistryFile, RefusesTextThatWouldBreakTheStore)
{
    Store store(sample);
    RegistryFile registry(store.path);
    auto desktop = registry.openKey(RegistryRoot::CurrentUser, desktopPath);
    EXPECT_FALSE(desktop->setStringValue("Wallpaper", "two\r\nlines"));
    EXPECT_FALSE(desktop->setStringValue("Wall\npaper", "x"));
    EXPECT_EQ(store.text(), sample);
}

TEST(RegistryFile, SeesChangesMadeOnDiskAndDoesNotUndoThem)
{
    Store store(sample);
    RegistryFile registry(store.path);
    auto desktop = registry.openKey(RegistryRoot::CurrentUser, desktopPath);
    ASSERT_TRUE(desktop);

    std::string edited = sample;
    edited.replace(edited.find("/machine/c/WINDOWS"), 18, "/mnt/win98/WINDOWS");
    store.folder.write("registry.reg", edited + "; a longer file\r\n");
    ASSERT_TRUE(desktop->setStringValue("ScreenSaveActive", "1"));

    EXPECT_NE(store.text().find("/mnt/win98/WINDOWS"), std::string::npos);
    EXPECT_NE(store.text().find("\"ScreenSaveActive\"=\"1\""), std::string::npos);
    EXPECT_NE(store.text().find("; a longer file"), std::string::npos);
}

TEST(RegistryFile, AnEditOfTheSameSizeThatKeptTheModificationTimeIsNotUndone)
{
    Store store(sample);
    RegistryFile registry(store.path);
    auto desktop = registry.openKey(RegistryRoot::CurrentUser, desktopPath);
    ASSERT_TRUE(desktop);
    struct stat before { };
    ASSERT_EQ(::stat(store.path.c_str(), &before), 0);

    // Written in place, as an editor may, and given its old time back, as a copy tool may.
    const std::string hand = "(Nine)";
    int fd = ::open(store.path.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::pwrite(fd, hand.data(), hand.size(), static_cast<off_t>(sample.find("(None)"))), 6);
    ::close(fd);
    const timespec times[2] = { before.st_atim, before.st_mtim };
    ASSERT_EQ(::utimensat(AT_FDCWD, store.path.c_str(), times, 0), 0);

    ASSERT_TRUE(desktop->setStringValue("ScreenSaveActive", "1"));

    EXPECT_NE(store.text().find("\"Wallpaper\"=\"(Nine)\""), std::string::npos);
    EXPECT_NE(store.text().find("\"ScreenSaveActive\"=\"1\""), std::string::npos);
}

// A batch is one replacement of the store: values set in order across keys, those of missing keys
// passed over, and at a value the store can't carry the ones before it written and none after.
TEST(RegistryFile, ABatchSetsItsValuesInOrderUpToTheFirstItCannotCarry)
{
    const std::string startPath = "\\AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current";
    struct Case {
        std::vector<RegistryString> values;
        std::size_t done;
        std::string wallpaper, tile, sound;
    };
    const Case cases[] = {
        { { { desktopPath, "Wallpaper", "a.bmp" }, { "\\Nowhere", "Wallpaper", "b.bmp" }, { startPath, "", "s.wav" },
              { desktopPath, "wallpaper", "c.bmp" }, { desktopPath, "TileWallpaper", "1" } },
            5, "c.bmp", "1", "s.wav" },
        { { { desktopPath, "Wallpaper", "a.bmp" }, { startPath, "", "two\r\nlines" },
              { desktopPath, "TileWallpaper", "1" } },
            1, "a.bmp", "", "" },
        { { { "\\Nowhere", "Wallpaper", "b.bmp" }, { desktopPath, "Tile\nWallpaper", "1" },
              { desktopPath, "Wallpaper", "a.bmp" } },
            1, "(None)", "", "" },
        { { { "\\Nowhere", "Wallpaper", "b.bmp" } }, 1, "(None)", "", "" },
        { {}, 0, "(None)", "", "" },
    };
    for (const Case& test : cases) {
        Store store(sample);
        RegistryFile registry(store.path);
        EXPECT_EQ(registry.setStrings(RegistryRoot::CurrentUser, test.values), test.done);
        RegistryFile again(store.path);
        EXPECT_EQ(query(again, RegistryRoot::CurrentUser, desktopPath, "Wallpaper").text, test.wallpaper);
        EXPECT_EQ(query(again, RegistryRoot::CurrentUser, desktopPath, "TileWallpaper").text, test.tile);
        EXPECT_EQ(query(again, RegistryRoot::CurrentUser, startPath, "").text, test.sound);
        EXPECT_FALSE(again.openKey(RegistryRoot::CurrentUser, "\\Nowhere"));
        if (test.wallpaper == "(None)") {
            EXPECT_EQ(store.text(), sample) << "a batch that sets nothing writes nothing";
        }
        EXPECT_EQ(store.folder.entryCount(), 1u);
    }
}

TEST(RegistryFile, ABatchGoesIntoTheStoreAsEditedOnDisk)
{
    Store store(sample);
    RegistryFile registry(store.path);
    ASSERT_TRUE(registry.openKey(RegistryRoot::CurrentUser, desktopPath));
    std::string edited = sample;
    edited.replace(edited.find("/machine/c/WINDOWS"), 18, "/mnt/win98/WINDOWS");
    store.folder.write("registry.reg", edited + "[HKEY_CURRENT_USER\\Control Panel\\Colors]\r\n");

    EXPECT_EQ(registry.setStrings(RegistryRoot::CurrentUser,
                  { { desktopPath, "Wallpaper", "a.bmp" }, { "\\Control Panel\\Colors", "Menu", "1 2 3" } }),
        2u);
    EXPECT_NE(store.text().find("/mnt/win98/WINDOWS"), std::string::npos);
    EXPECT_NE(store.text().find("\"Wallpaper\"=\"a.bmp\""), std::string::npos);
    EXPECT_NE(
        store.text().find("[HKEY_CURRENT_USER\\Control Panel\\Colors]\r\n\"Menu\"=\"1 2 3\"\r\n"), std::string::npos);

    store.folder.write("registry.reg", "REGEDIT4\r\n[HKEY_NOWHERE]\r\n");
    EXPECT_THROW(registry.setStrings(RegistryRoot::CurrentUser, { { desktopPath, "Wallpaper", "b.bmp" } }), Exception);
    EXPECT_EQ(store.text(), "REGEDIT4\r\n[HKEY_NOWHERE]\r\n");
}

// Each writer reads the store, sets its value and replaces the file; without taking turns, one
// would replace the file with a copy that lacks the other's latest value.
TEST(RegistryFile, WritersInTwoProcessesLoseNoValue)
{
    Store store(sample);
    constexpr int valuesEach = 60;
    auto writeValues = [&](char writer) {
        RegistryFile registry(store.path);
        auto desktop = registry.openKey(RegistryRoot::CurrentUser, desktopPath);
        int failed = 0;
        for (int i = 0; i < valuesEach; ++i)
            failed += desktop && desktop->setStringValue(writer + std::to_string(i), "x") ? 0 : 1;
        return failed;
    };
    pid_t writers[2];
    for (int which = 0; which < 2; ++which) {
        writers[which] = ::fork();
        if (writers[which] != 0)
            continue;
        int failed = valuesEach;
        try {
            failed = writeValues(static_cast<char>('A' + which));
        } catch (...) {
        }
        ::_exit(std::min(failed, 100));
    }
    for (pid_t writer : writers) {
        int status = -1;
        ASSERT_EQ(::waitpid(writer, &status, 0), writer);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "values that could not be set";
    }

    RegistryFile registry(store.path);
    std::vector<std::string> lost;
    for (char writer : { 'A', 'B' }) {
        for (int i = 0; i < valuesEach; ++i) {
            std::string name = writer + std::to_string(i);
            if (query(registry, RegistryRoot::CurrentUser, desktopPath, name).text != "x")
                lost.push_back(name);
        }
    }
    EXPECT_TRUE(lost.empty()) << lost.size() << " values lost, the first " << lost.front();
    EXPECT_EQ(store.folder.entryCount(), 1u);
}

TEST(RegistryFile, ADamagedStoreNamesFileAndLineAndIsNeverOverwritten)
{
    Store store(sample);
    RegistryFile registry(store.path);
    auto desktop = registry.openKey(RegistryRoot::CurrentUser, desktopPath);
    ASSERT_TRUE(desktop);

    const std::string damaged = "REGEDIT4\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n\"Wallpaper\"=\"(None)\r\n";
    store.folder.write("registry.reg", damaged);
    try {
        desktop->setStringValue("Wallpaper", "x");
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()),
            "The registry store " + store.path + " is damaged: line 3 holds unreadable data");
    }
    EXPECT_THROW(registry.openKey(RegistryRoot::CurrentUser, desktopPath), Exception);
    EXPECT_EQ(store.text(), damaged);
}

TEST(RegistryFile, DamageMessagesSayWhatIsWrong)
{
    EXPECT_EQ(damageMessage(""), "line 1 holds no \"REGEDIT4\" header");
    EXPECT_EQ(damageMessage("Windows Registry Editor Version 5.00\r\n"), "line 1 holds no \"REGEDIT4\" header");
    EXPECT_EQ(damageMessage("REGEDIT4\r\n\"a\"=\"b\"\r\n"), "line 2 holds a value before the first key");
    EXPECT_EQ(
        damageMessage("REGEDIT4\r\n[HKEY_CURRENT_USER\\x\r\n"), "line 2 holds a key name without its closing \"]\"");
    EXPECT_EQ(damageMessage("REGEDIT4\r\n[-HKEY_CURRENT_USER\\x]\r\n"),
        "line 2 holds a key deletion, which a stored registry cannot hold");
    EXPECT_EQ(damageMessage("REGEDIT4\r\n[HKEY_NOWHERE\\x]\r\n"), "line 2 holds a key outside the known root keys");
    EXPECT_EQ(damageMessage("REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=-\r\n"),
        "line 3 holds a value deletion, which a stored registry cannot hold");
    EXPECT_EQ(damageMessage("REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=dword:123456789\r\n"),
        "line 3 holds unreadable data");
    EXPECT_EQ(damageMessage("REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=hex:0g\r\n"), "line 3 holds unreadable data");
    EXPECT_EQ(damageMessage("REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=hex:01,\\\r\n"),
        "line 3 holds binary data continued past the end of the file");
    EXPECT_EQ(
        damageMessage("REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"\r\n"), "line 3 holds a value name without \"=\"");
    EXPECT_EQ(damageMessage("REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\"a=\"b\"\r\n"),
        "line 3 holds a value name without \"=\"");
    EXPECT_EQ(damageMessage("REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\nWallpaper=x\r\n"),
        "line 3 holds text that is neither a key, a value nor a comment");
}

TEST(RegistryFile, AMissingStoreCannotBeOpened)
{
    TemporaryFolder folder;
    RegistryFile registry(folder.file("registry.reg"));
    try {
        registry.openKey(RegistryRoot::CurrentUser, desktopPath);
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file " + folder.file("registry.reg"));
    }
    EXPECT_EQ(folder.entryCount(), 0u);
}

TEST(RegistryFile, RepeatedSectionsOfAKeyActAsOne)
{
    Store store(
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n\"Wallpaper\"=\"first\"\r\n"
        "\"Pattern\"=\"(None)\"\r\n[HKEY_CURRENT_USER\\control panel\\desktop]\r\n\"wallpaper\"=\"second\"\r\n");
    RegistryFile registry(store.path);
    auto desktop = registry.openKey(RegistryRoot::CurrentUser, desktopPath);
    EXPECT_EQ(desktop->queryValue("Wallpaper").text, "second");
    EXPECT_EQ(desktop->queryValue("Pattern").text, "(None)");
    ASSERT_TRUE(desktop->setStringValue("Wallpaper", "third"));
    EXPECT_EQ(store.text(),
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n\"Wallpaper\"=\"first\"\r\n"
        "\"Pattern\"=\"(None)\"\r\n[HKEY_CURRENT_USER\\control panel\\desktop]\r\n\"wallpaper\"=\"third\"\r\n");
}

// Whatever a hand-edited store holds, it either reads back byte for byte or is refused with a message.
TEST(RegistryDocument, AnyTextThatParsesIsKeptByteForByte)
{
    std::mt19937 random(1998);
    const std::string alphabet = "[]\\\"@=:,;- \r\n\tabhexdword(27)0123456789HKEY_CURRENT_USER";
    for (int round = 0; round < 3000; ++round) {
        std::string text = sample;
        for (int edit = 0, edits = 1 + static_cast<int>(random() % 4); edit < edits; ++edit) {
            std::size_t at = random() % (text.size() + 1);
            switch (random() % 3) {
            case 0:
                text.insert(at, 1, alphabet[random() % alphabet.size()]);
                break;
            case 1:
                if (at < text.size())
                    text.erase(at, 1);
                break;
            default:
                if (at < text.size())
                    text[at] = alphabet[random() % alphabet.size()];
            }
        }
        try {
            RegistryDocument document(text, "registry.reg");
            EXPECT_EQ(document.text(), text);
            document.setString(RegistryRoot::CurrentUser, desktopPath, "Wallpaper", "x");
            RegistryDocument again(document.text(), "registry.reg");
            EXPECT_EQ(again.value(RegistryRoot::CurrentUser, desktopPath, "Wallpaper").text, "x");
        } catch (const Exception&) {
        }
    }
}
