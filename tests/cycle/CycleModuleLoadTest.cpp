#include "cycle/CycleModule.h"
#include "cycle/Exception.h"
#include "cycle/TemporaryFolder.h"
#include "support/MemoryLineFiles.h"
#include "support/ScriptedRandom.h"

#include <QTemporaryDir>
#include <fstream>
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

// Part of a list after a NUL may be the user's entries: the file is shown up to the NUL, reported
// by name, and never saved over, whichever of the two files holds it.
TEST(CycleModuleLoad, AFileThatGoesOnAfterANulIsReportedAndNeverSavedOver)
{
    const std::string list = std::string("a\r\nb\0junk\r\nc\r\nd\r\n", 17);
    const std::string settings = std::string("t\r\n1\r\n\0t\r\n", 10);
    for (const std::string damaged : { "x.dat", "x.cfg" }) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const std::string programDirectory = folder.path().toStdString() + "/";
        const std::string listBytes = damaged == "x.dat" ? list : "a\r\nb\r\n";
        const std::string settingsBytes = damaged == "x.cfg" ? settings : "t\r\n1\r\n";
        std::ofstream(programDirectory + "x.dat", std::ios::binary) << listBytes;
        std::ofstream(programDirectory + "x.cfg", std::ios::binary) << settingsBytes;
        std::vector<std::string> reported;

        auto module = CycleModule::startUp(singleListModule("x.dat", "x.cfg"), programDirectory,
            [&](const std::string& message) { reported.push_back(message); });
        EXPECT_EQ(module->list().entries(), (LineList { "a", "b" }));
        EXPECT_EQ(reported,
            std::vector<std::string> { "The file " + programDirectory + damaged
                + " holds a NUL byte: the lines after it are not shown, and the file is not saved over until the "
                  "byte is removed" });
        module->add({ "e" });
        try {
            module->save();
            ADD_FAILURE() << "saved over " << damaged;
        } catch (const Exception& error) {
            EXPECT_EQ(std::string(error.what()),
                "The file " + programDirectory + damaged
                    + " holds a NUL byte and is not saved over until the byte is removed");
        }
        EXPECT_EQ(TemporaryFolder::readPath(programDirectory + "x.dat"), listBytes);
        EXPECT_EQ(TemporaryFolder::readPath(programDirectory + "x.cfg"), settingsBytes);
    }
}
