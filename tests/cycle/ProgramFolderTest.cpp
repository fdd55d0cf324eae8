#include "cycle/ProgramFolder.h"

#include "cycle/Exception.h"
#include "cycle/TemporaryFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(ProgramFolder, TheGivenFolderThenTheProgramsOwnWhenBuiltHereThenTheUsers)
{
    struct Case {
        std::optional<std::string> given;
        Installation installation;
        std::string home, dataHome, chosen;
    };
    const auto here = Installation::BuiltHere;
    const auto installed = Installation::Installed;
    for (const Case& c : {
             Case { "lists", installed, "/home/u", "/data", "lists/" },
             Case { "/srv/lists/", here, "/home/u", "", "/srv/lists/" },
             Case { {}, here, "/home/u", "/data", "/opt/zentrel/" },
             Case { {}, installed, "/home/u", "/data/", "/data/zentrel/" },
             Case { {}, installed, "/home/u", "", "/home/u/.local/share/zentrel/" },
             Case { {}, installed, "/home/u", "data", "/home/u/.local/share/zentrel/" },
         }) {
        ProgramFolder folder { c.given, "/opt/zentrel/", c.installation, c.home, c.dataHome };
        EXPECT_EQ(folder.chosen(), c.chosen) << c.given.value_or("") << " " << c.dataHome;
    }
    for (const char* home : { "", "relative" })
        EXPECT_THROW((ProgramFolder { {}, "/opt/zentrel/", installed, home, "" }.chosen()), Exception);
}

TEST(ProgramFolder, TheUsersFolderIsMadePrivateOnFirstStart)
{
    TemporaryFolder home;
    const char* ownHome = std::getenv("HOME");
    std::string savedHome = ownHome ? ownHome : "";
    setenv("HOME", home.path().c_str(), 1);
    unsetenv("XDG_DATA_HOME");
    std::string chosen = ProgramFolder::forThisRun({}, Installation::Installed);
    EXPECT_EQ(chosen, home.file(".local/share/zentrel/"));
    struct stat status;
    ASSERT_EQ(::stat(chosen.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    EXPECT_EQ(ProgramFolder::forThisRun({}, Installation::Installed), chosen) << "an existing folder is kept";

    home.write("file", "");
    setenv("XDG_DATA_HOME", home.file("file").c_str(), 1);
    EXPECT_THROW(ProgramFolder::forThisRun({}, Installation::Installed), Exception);
    unsetenv("XDG_DATA_HOME");
    setenv("HOME", savedHome.c_str(), 1);
}
