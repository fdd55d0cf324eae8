#include "panels/sound/SoundApply.h"

#include "cycle/CycleModule.h"
#include "cycle/Exception.h"
#include "panels/sound/SoundModule.h"
#include "support/MemoryLineFiles.h"
#include "support/MemoryRegistry.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

const std::string dir = "/z/";
const std::string cfg = dir + "tonvik.cfg";
const std::string startKey = "AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current";
const std::string exitKey = "AppEvents\\Schemes\\Apps\\.Default\\SystemExit\\.Current";
using Log = std::vector<std::string>;

class SoundApplyTest : public ::testing::Test {
protected:
    SoundApplyTest()
    {
        for (const std::string& key : { startKey, exitKey })
            registry->key(RegistryRoot::CurrentUser, key)[""] = { RegistryValue::Kind::String, "old.wav" };
    }

    CycleModule& make(const LineList& start, const LineList& exit, const LineList& settings)
    {
        files->files[dir + "tonvikst.dat"] = start;
        files->files[dir + "tonvikxt.dat"] = exit;
        files->files[cfg] = settings;
        module = std::make_unique<CycleModule>(
            soundModule(std::make_shared<SoundApply>(registry)), dir, files, std::make_shared<ScriptedRandom>());
        EXPECT_TRUE(module->load().empty());
        files->log.clear();
        return *module;
    }

    std::string sound(const std::string& key) { return registry->text(RegistryRoot::CurrentUser, key, ""); }

    std::shared_ptr<MemoryLineFiles> files = std::make_shared<MemoryLineFiles>();
    std::shared_ptr<MemoryRegistry> registry = std::make_shared<MemoryRegistry>(files->log);
    std::unique_ptr<CycleModule> module;
};

} // namespace

TEST_F(SoundApplyTest, SetsTheDefaultValueOfAnExistingEventKeyOnly)
{
    SoundApply::setEventSound(*registry, SoundEvent::SystemExit, "C:\\WINDOWS\\MEDIA\\The Microsoft Sound.wav");
    EXPECT_EQ(sound(exitKey), "C:\\WINDOWS\\MEDIA\\The Microsoft Sound.wav");
    EXPECT_EQ(sound(startKey), "old.wav");

    registry->keys.erase({ RegistryRoot::CurrentUser, startKey });
    SoundApply apply(registry);
    EXPECT_FALSE(apply.eventKeyExists(SoundEvent::SystemStart));
    apply.setEventSound(SoundEvent::SystemStart, "a.wav");
    EXPECT_FALSE(registry->keys.contains({ RegistryRoot::CurrentUser, startKey })) << "the key is never created";
}

TEST_F(SoundApplyTest, SaveSetsBothEventsFromTheNextFieldsAndAdvancesThem)
{
    make({ "/w/s1.wav", "/w/s2.wav", "/w/s3.wav" }, { "/w/x1.wav" }, { "t", "3", "tr", "1" });
    module->save();
    EXPECT_EQ(files->writes(),
        (Log { "write /z/tonvikst.dat", "write /z/tonvikxt.dat", "registry =/w/s3.wav", "registry =/w/x1.wav",
            "write " + cfg }));
    EXPECT_EQ(files->files[cfg], (LineList { "t", "1", "tr", "1" }));
}

TEST_F(SoundApplyTest, AMissingKeyOrAnEmptyEntrySetsNothing)
{
    registry->keys.erase({ RegistryRoot::CurrentUser, startKey });
    make({ "/w/s1.wav" }, { "/w/x1.wav", "" }, { "t", "1", "t", "2" });
    module->save();
    EXPECT_EQ(sound(exitKey), "old.wav") << "an empty entry";
    EXPECT_EQ(files->files[cfg], (LineList { "t", "1", "t", "1" })) << "only the shutdown list advances";
    EXPECT_EQ(files->writes().size(), 3u);
}

TEST_F(SoundApplyTest, AValueThatCannotBeSetStopsBeforeTheSettings)
{
    registry->refused = "";
    make({ "/w/s1.wav" }, {}, { "t", "1", "t", "1" });
    try {
        module->save();
        ADD_FAILURE() << "Save went through";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "Failed to set data for ''");
    }
    EXPECT_EQ(files->writes(), (Log { "write /z/tonvikst.dat", "write /z/tonvikxt.dat" }));
}
