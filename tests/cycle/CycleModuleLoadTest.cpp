#include "cycle/CycleModule.h"
#include "support/MemoryLineFiles.h"
#include "support/ScriptedRandom.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

const std::string dir = "/prog/";

struct Loaded {
    std::unique_ptr<CycleModule> module;
    std::vector<std::string> failures;
};

Loaded load(std::shared_ptr<MemoryLineFiles> files, bool enabledAtCreation = false)
{
    ModuleParameters parameters = singleListModule("x.dat", "x.cfg");
    parameters.enabledAtCreation = enabledAtCreation;
    auto module = std::make_unique<CycleModule>(parameters, dir, files, std::make_shared<ScriptedRandom>());
    auto failures = module->load();
    return { std::move(module), failures };
}

CycleControls controlsFor(const LineList& settings, bool enabledAtCreation = false)
{
    auto files = std::make_shared<MemoryLineFiles>();
    files->files[dir + "x.cfg"] = settings;
    return load(files, enabledAtCreation).module->controls();
}

} // namespace

TEST(CycleModuleLoad, WithoutFilesTheListIsEmptyEnabledInOrderFromTheFirst)
{
    auto [module, failures] = load(std::make_shared<MemoryLineFiles>());
    EXPECT_TRUE(failures.empty());
    EXPECT_TRUE(module->list().empty());
    EXPECT_TRUE(module->controls().enabled);
    EXPECT_FALSE(module->controls().random);
    EXPECT_EQ(module->controls().next, "1");
    EXPECT_EQ(module->listPath(), "/prog/x.dat");
    EXPECT_EQ(module->settingsPath(), "/prog/x.cfg");
}

TEST(CycleModuleLoad, SettingsOfTheWrongLengthGiveWayToTheDefaults)
{
    for (const LineList& settings : { LineList {}, LineList { "f" }, LineList { "f", "3", "x" } }) {
        CycleControls controls = controlsFor(settings);
        EXPECT_TRUE(controls.enabled);
        EXPECT_FALSE(controls.random);
        EXPECT_EQ(controls.next, "1");
    }
}

TEST(CycleModuleLoad, TheSwitchCodeSetsTheSwitches)
{
    struct Case {
        std::string code;
        bool enabledAtCreation, enabled, random;
    };
    for (const Case& c : std::vector<Case> {
             { "tr", false, true, true },
             { "t", false, true, false },
             { "tx", false, true, false },
             { "f", true, false, false },
             { "", false, false, false },
             { "T", false, false, false },
             { "", true, true, false }, // the wallpaper panel's enable stays ticked
             { "fr", true, true, false },
         }) {
        CycleControls controls = controlsFor({ c.code, "2" }, c.enabledAtCreation);
        EXPECT_EQ(controls.enabled, c.enabled) << "'" << c.code << "'";
        EXPECT_EQ(controls.random, c.random) << "'" << c.code << "'";
    }
}

TEST(CycleModuleLoad, TheNextLineIsShownUnchecked)
{
    EXPECT_EQ(controlsFor({ "t", " x7" }).next, " x7");
}

TEST(CycleModuleLoad, AnUnreadableFileIsReportedAndTheRestStillLoads)
{
    auto files = std::make_shared<MemoryLineFiles>();
    files->unreadable.insert(dir + "x.dat");
    files->files[dir + "x.cfg"] = { "tr", "4" };
    auto [module, failures] = load(files);
    EXPECT_EQ(failures, std::vector<std::string> { "Cannot open file /prog/x.dat" });
    EXPECT_TRUE(module->list().empty());
    EXPECT_TRUE(module->controls().random);
    EXPECT_EQ(module->controls().next, "4");

    files->unreadable = { dir + "x.cfg" };
    files->files[dir + "x.dat"] = { "A" };
    auto reloaded = load(files);
    EXPECT_EQ(reloaded.failures, std::vector<std::string> { "Cannot open file /prog/x.cfg" });
    EXPECT_EQ(reloaded.module->list().entries(), LineList { "A" });
    EXPECT_FALSE(reloaded.module->controls().random);
    EXPECT_EQ(reloaded.module->controls().next, "1");
}

TEST(CycleModuleLoad, AFileThatCouldNotBeReadIsNeverSavedOver)
{
    auto files = std::make_shared<MemoryLineFiles>();
    files->unreadable.insert(dir + "x.dat");
    files->files[dir + "x.dat"] = { "kept" };
    auto [module, failures] = load(files);
    module->add({ "new" });
    try {
        module->save();
        ADD_FAILURE() << "the save went through";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "Cannot open file /prog/x.dat");
    }
    EXPECT_TRUE(files->writes().empty());
    EXPECT_EQ(files->files[dir + "x.dat"], LineList { "kept" });
}

TEST(CycleModuleLoad, WhatSaveWroteToDiskComesBackAtTheNextStart)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    std::string programDirectory = folder.path().toStdString() + "/";
    auto report = [](const std::string& message) { ADD_FAILURE() << message; };

    auto first = CycleModule::startUp(singleListModule("x.dat", "x.cfg"), programDirectory, report);
    first->add({ "C:\\b.scr", "C:\\a.scr" });
    first->setRandom(true);
    first->chooseNext(1);
    first->setEnabled(false);
    first->save();

    auto second = CycleModule::startUp(singleListModule("x.dat", "x.cfg"), programDirectory, report);
    EXPECT_EQ(second->list().entries(), (LineList { "C:\\a.scr", "C:\\b.scr" }));
    EXPECT_FALSE(second->controls().enabled);
    EXPECT_FALSE(second->controls().random);
    EXPECT_EQ(second->controls().next, "2");
}
