// The KDE Plasma path over a real, private session bus, with a stand-in for the Plasma shell that
// runs the script against the documented scripting API.
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
        + folder.file("state.txt") + "' '" ZENTREL_CYCLE "' --program-dir '" + folder.path()
        + "' --present --only saver >'" + folder.file("out.txt") + "' 2>/dev/null";
    int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << folder.read("out.txt");
    EXPECT_EQ(folder.read("out.txt"),
        "screen saver: empty list\ndesktop: " + picture + " (centred) shown on KDE Plasma\nstart-up sound: none set\n");
    // Both desktops, as the script left them in the shell.
    std::string desktop = "org.kde.image Wallpaper/org.kde.image/General/Color=0,128,128 "
                          "Wallpaper/org.kde.image/General/FillMode=6 Wallpaper/org.kde.image/General/Image=file://"
        + folder.path() + "a%20picture.bmp\n";
    EXPECT_EQ(folder.read("state.txt"), desktop + desktop);
}
