// The KDE Plasma path over a real, private session bus, with a stand-in for the Plasma shell.
#include "cycle/StandInMachine.h"
#include "cycle/TemporaryFolder.h"

#include <QImage>
#include <gtest/gtest.h>
#include <sys/wait.h>

TEST(PlasmaBusTest, PresentHandsThePlasmaShellItsScriptOverTheSessionBus)
{
    TemporaryFolder folder;
    StandInMachine(folder.path()).ensureExists();
    std::string picture = folder.file("a picture.bmp");
    QImage(3, 3, QImage::Format_RGB32).save(QString::fromStdString(picture), "BMP");
    folder.write("machine/c/WINDOWS/win.ini", "[Desktop]\r\nWallpaper=" + picture + "\r\nTileWallpaper=0\r\n");

    std::string command = "XDG_CURRENT_DESKTOP=KDE dbus-run-session -- '" FAKE_PLASMASHELL "' '"
        + folder.file("script.js") + "' '" ZENTREL_CYCLE "' --program-dir '" + folder.path()
        + "' --present --only saver >'" + folder.file("out.txt") + "' 2>/dev/null";
    int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << folder.read("out.txt");
    EXPECT_EQ(folder.read("out.txt"),
        "screen saver: empty list\ndesktop: " + picture + " (centred) shown on KDE Plasma\nstart-up sound: none set\n");
    std::string script = folder.read("script.js");
    EXPECT_NE(
        script.find("d.writeConfig(\"Image\", \"file://" + folder.path() + "a%20picture.bmp\");"), std::string::npos)
        << script;
    EXPECT_NE(script.find("d.writeConfig(\"FillMode\", 6);"), std::string::npos);
}
