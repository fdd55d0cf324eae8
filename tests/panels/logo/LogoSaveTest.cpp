#include "BitmapBytes.h"
#include "RecordingSystem.h"
#include "cycle/CycleModule.h"
#include "cycle/TemporaryFolder.h"
#include "panels/logo/LogoApply.h"
#include "panels/logo/LogoModule.h"
#include "support/FailureOf.h"
#include "support/MemoryLineFiles.h"
#include "support/MemoryRegistry.h"
#include "support/ScriptedRandom.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;
const std::string dir = "/zentrel/";
const std::string dat = dir + "brisko.dat";
const std::string cfg = dir + "brisko.cfg";

// The module files in memory, the entries and the logo file on disk.
class LogoSave : public ::testing::Test {
protected:
    LogoSave()
    {
        std::filesystem::create_directories(folder.file("c/WINDOWS"));
        registry->setSystemRoot(folder.file("c/WINDOWS"));
        for (int colours : { 256, 255, 254 }) {
            // Told apart by the length of their colour table once written.
            folder.write(std::to_string(colours) + ".bmp", bitmapBytes({ .colours = colours }));
        }
    }

    std::string entry(int colours) const { return folder.file(std::to_string(colours) + ".bmp"); }

    CycleModule& make(const LineList& entries, const LineList& settings)
    {
        files->files[dat] = entries;
        files->files[cfg] = settings;
        module = std::make_unique<CycleModule>(logoModule(apply), dir, files, random);
        EXPECT_TRUE(module->load().empty());
        files->log.clear();
        return *module;
    }

    // The length of the logo file's colour table.
    long long logoColours() const { return fieldAt(TemporaryFolder::readPath(logo), 46, 4); }

    std::string failureOfSave()
    {
        return failureOf([this] { module->save(); });
    }

    TemporaryFolder folder;
    const std::string logo = folder.file("c/logo.sys");
    std::shared_ptr<MemoryLineFiles> files = std::make_shared<MemoryLineFiles>();
    std::shared_ptr<MemoryRegistry> registry = std::make_shared<MemoryRegistry>();
    std::shared_ptr<RecordingSystem> system = std::make_shared<RecordingSystem>(files->log);
    std::shared_ptr<LogoApply> apply = std::make_shared<LogoApply>(registry, system);
    std::shared_ptr<ScriptedRandom> random = std::make_shared<ScriptedRandom>();
    std::unique_ptr<CycleModule> module;
};

} // namespace

TEST_F(LogoSave, TheStoredEntryBecomesTheLogoBetweenTheTwoSettingsWrites)
{
    CycleModule& m = make({ entry(256), entry(255), entry(254) }, { "t", "2" });
    m.save();
    EXPECT_EQ(files->writes(), (Log { "write " + dat, "write " + cfg, "hidden", "write " + cfg }));
    EXPECT_EQ(logoColours(), 255);
    EXPECT_EQ(files->files[cfg], (LineList { "t", "3" }));
    EXPECT_EQ(m.controls().next, "3");

    files->log.clear();
    m.save();
    EXPECT_EQ(files->writes(), (Log { "write " + dat, "write " + cfg, "none", "hidden", "write " + cfg }))
        << "the old logo's attributes are cleared before it is replaced";
    EXPECT_EQ(logoColours(), 254) << "the field shows the stored position, so the next entry follows";
}

TEST_F(LogoSave, ADisabledPanelOrAnEmptyListWritesItsFilesOnceAndLeavesTheLogo)
{
    folder.write("c/logo.sys", "old logo");
    make({ entry(256) }, { "f", "1" });
    module->setRandom(true);
    module->save();
    EXPECT_EQ(files->writes(), (Log { "write " + dat, "write " + cfg }));
    EXPECT_EQ(files->files[cfg], (LineList { "f", "1" }));

    make({}, { "t", "1" });
    module->save();
    EXPECT_EQ(files->writes(), (Log { "write " + dat, "write " + cfg }));
    EXPECT_EQ(TemporaryFolder::readPath(logo), "old logo");
}

TEST_F(LogoSave, EveryFailedApplyKeepsTheOldLogoAndTheUnadvancedSettings)
{
    folder.write("c/logo.sys", "old logo");
    folder.write("text.bmp", "no picture");
    std::filesystem::create_directory(folder.file("folder.bmp"));
    folder.write("wide.bmp", bitmapBytes({ .width = 640, .height = 480 }));
    struct Failure {
        LineList entries;
        std::string next;
        std::string message;
    };
    const Failure failures[] = {
        { { entry(256) }, "2", "List index out of bounds" },
        { { entry(256) }, "-1", "List index out of bounds" },
        { { entry(256) }, "two", "'two' is not a valid integer value" },
        { { folder.file("gone.bmp") }, "1", "Cannot open file " + folder.file("gone.bmp") },
        { { folder.file("text.bmp") }, "1", "Bitmap image is not valid" },
        { { folder.file("folder.bmp") }, "1", "Cannot open file " + folder.file("folder.bmp") },
        { { folder.file("logo.txt") }, "1", "Unknown picture file extension (.txt)" },
        { { folder.file("wide.bmp") }, "1",
            "Illegal bitmap: " + folder.file("wide.bmp") + " must be 320x400 and 256 colors (8 bit)." },
    };
    for (const Failure& failure : failures) {
        make(failure.entries, { "t", failure.next });
        EXPECT_EQ(failureOfSave(), failure.message);
        EXPECT_EQ(files->writes(), (Log { "write " + dat, "write " + cfg }));
        EXPECT_EQ(files->files[cfg], (LineList { "t", failure.next }));
        EXPECT_EQ(TemporaryFolder::readPath(logo), "old logo") << failure.message;
    }

    std::filesystem::permissions(logo, std::filesystem::perms::owner_read);
    make({ entry(256) }, { "t", "1" });
    EXPECT_EQ(failureOfSave(), "Cannot create file " + logo);
    EXPECT_EQ(files->files[cfg], (LineList { "t", "1" }));
    EXPECT_EQ(TemporaryFolder::readPath(logo), "old logo");
}
