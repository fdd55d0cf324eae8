#include "cycle/PosixLaunch.h"

#include "cycle/TemporaryFolder.h"

#include <gtest/gtest.h>

void PrintTo(const PosixLaunch& launch, std::ostream* out)
{
    *out << "'" << launch.program << "'";
    for (const std::string& argument : launch.arguments)
        *out << " '" << argument << "'";
}

namespace {

const std::string wine = "/usr/bin/wine";

class PosixLaunchTest : public ::testing::Test {
protected:
    PosixLaunchTest()
    {
        folder.write("Flying Toasters.SCR", std::string("MZ\x90\0", 4));
        folder.write("script.scr", "#!/bin/sh\n");
        folder.write("setup.exe", "MZ");
        folder.write("notes.txt", "notes");
    }

    TemporaryFolder folder;
    const std::string toasters = folder.file("Flying Toasters.SCR");
    const std::string script = folder.file("script.scr");
};

} // namespace

TEST_F(PosixLaunchTest, OpenRunsWindowsProgramsUnderWineAndScreenSaversFullScreen)
{
    EXPECT_EQ(PosixLaunch::forOpen(toasters, wine), (PosixLaunch { wine, { toasters, "/s" } }));
    EXPECT_EQ(PosixLaunch::forOpen(script, wine), (PosixLaunch { wine, { script, "/s" } }));
    EXPECT_EQ(
        PosixLaunch::forOpen(folder.file("setup.exe"), wine), (PosixLaunch { wine, { folder.file("setup.exe") } }));

    // The desktop's opener takes the rest, and everything when Wine is missing.
    for (const std::string& target :
        { folder.file("notes.txt"), folder.file("gone.scr"), folder.path(), std::string("mailto:zentrel@example.org") })
        EXPECT_EQ(PosixLaunch::forOpen(target, wine), PosixLaunch {}) << target;
    EXPECT_EQ(PosixLaunch::forOpen(toasters, ""), PosixLaunch {});
}

TEST_F(PosixLaunchTest, ACommandLineNamingAFileIsOneProgramWhateverItsBlanks)
{
    EXPECT_EQ(PosixLaunch::forCommandLine(toasters, wine), (PosixLaunch { wine, { toasters } }));
    EXPECT_EQ(PosixLaunch::forCommandLine(toasters, ""), (PosixLaunch { toasters, {} }));
    EXPECT_EQ(PosixLaunch::forCommandLine(script, wine), (PosixLaunch { script, {} })) << "no MZ: run directly";

    EXPECT_EQ(PosixLaunch::forCommandLine("touch \"a b\" c", wine), (PosixLaunch { "touch", { "a b", "c" } }));
    EXPECT_EQ(PosixLaunch::forCommandLine("  ", wine), PosixLaunch {});
}
