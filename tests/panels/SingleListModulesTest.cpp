#include "cycle/CycleModule.h"
#include "panels/logo/LogoModule.h"
#include "panels/saver/SaverModule.h"
#include "panels/theme/ThemeModule.h"
#include "support/MemoryLineFiles.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

struct Module {
    const char* name;
    ModuleParameters (*parameters)();
    const char* listFile;
    const char* settingsFile;
    bool insertAppendsWithoutSelection;
};

void PrintTo(const Module& module, std::ostream* out)
{
    *out << module.name;
}

class SingleListModule : public ::testing::TestWithParam<Module> {
protected:
    CycleModule& make(const LineList& entries, std::optional<LineList> settings)
    {
        files->files[dir + GetParam().listFile] = entries;
        if (settings)
            files->files[dir + GetParam().settingsFile] = *settings;
        module = std::make_unique<CycleModule>(GetParam().parameters(), dir, files, std::make_shared<ScriptedRandom>());
        EXPECT_TRUE(module->load().empty());
        return *module;
    }

    const std::string dir = "/z/";
    std::shared_ptr<MemoryLineFiles> files = std::make_shared<MemoryLineFiles>();
    std::unique_ptr<CycleModule> module;
};

} // namespace

TEST_P(SingleListModule, StartsEnabledInOrderFromTheFirstWithoutOrWithOddSettings)
{
    for (std::optional<LineList> settings : { std::optional<LineList> {}, std::optional<LineList> { { "f", "2", "x" } },
             std::optional<LineList> { LineList {} } }) {
        CycleModule& m = make({}, settings);
        EXPECT_TRUE(m.controls().enabled);
        EXPECT_FALSE(m.controls().random);
        EXPECT_EQ(m.controls().next, "1");
        EXPECT_EQ(m.settings().lines(), (LineList { "t", "1" }));
    }
}

TEST_P(SingleListModule, AnUnknownSwitchCodeLeavesEnableUnticked)
{
    EXPECT_FALSE(make({}, LineList { "", "1" }).controls().enabled);
    EXPECT_FALSE(make({}, LineList { "x", "1" }).controls().enabled);
    EXPECT_TRUE(make({}, LineList { "tx", "1" }).controls().enabled);
}

TEST_P(SingleListModule, InsertWithoutSelectionFollowsTheModule)
{
    CycleModule& m = make({ "X" }, {});
    m.insert({ "A", "B" }, std::nullopt);
    LineList expected = GetParam().insertAppendsWithoutSelection ? LineList { "X", "B", "A" } : LineList { "X" };
    EXPECT_EQ(m.list().entries(), expected);
}

TEST_P(SingleListModule, RemovePullsTheNextFieldBack)
{
    CycleModule& m = make({ "A", "B", "C" }, LineList { "t", "3" });
    m.remove(1);
    EXPECT_EQ(m.controls().next, "2");
}

INSTANTIATE_TEST_SUITE_P(Modules, SingleListModule,
    ::testing::Values(Module { "saver", saverModule, "dozarn.dat", "dozarn.cfg", false },
        Module { "logo", logoModule, "brisko.dat", "brisko.cfg", true },
        Module { "theme", themeModule, "ambrel.dat", "ambrel.cfg", true }),
    [](const ::testing::TestParamInfo<Module>& info) { return std::string(info.param.name); });
