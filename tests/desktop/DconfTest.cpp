// The GNOME path on the real dconf back end: what --present writes is read back by a second
// process on the same private session bus; without a bus dconf can't commit, and that is a failure.
#include "cycle/StandInMachine.h"
#include "cycle/TemporaryFolder.h"

#include <QImage>
#include <gtest/gtest.h>
#include <sys/wait.h>

TEST(DconfTest, TheSettingsAreThereForTheNextProcessOrTheFailureIsSaid)
{
    TemporaryFolder folder;
    StandInMachine(folder.path()).ensureExists();
    std::string picture = folder.file("a picture.bmp");
    QImage(3, 3, QImage::Format_RGB32).save(QString::fromStdString(picture), "BMP");
    folder.write("machine/c/WINDOWS/win.ini", "[Desktop]\r\nWallpaper=" + picture + "\r\nTileWallpaper=0\r\n");
    std::string present = "'" ZENTREL_CYCLE "' --program-dir '" + folder.path() + "' --present --only saver";
    std::string environment = "env -u DISPLAY -u WAYLAND_DISPLAY XDG_CURRENT_DESKTOP=GNOME GSETTINGS_BACKEND=dconf "
                              "XDG_CONFIG_HOME='"
        + folder.file("config") + "' XDG_RUNTIME_DIR='" + folder.path() + "' ";
    folder.write("session.sh",
        present + " >'" + folder.file("out.txt") + "'\necho status $?\n"
            + "for key in picture-uri picture-options primary-color color-shading-type; do\n"
              "  gsettings get org.gnome.desktop.background $key\ndone\n");
    int status = std::system((environment + "dbus-run-session -- sh '" + folder.file("session.sh") + "' >'"
        + folder.file("read.txt") + "' 2>/dev/null")
                                 .c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(folder.read("out.txt"),
        "screen saver: empty list\ndesktop: " + picture + " (centred) shown on GNOME\nstart-up sound: none set\n");
    EXPECT_EQ(folder.read("read.txt"),
        "status 0\n'file://" + folder.path() + "a%20picture.bmp'\n'centered'\n'#008080'\n'solid'\n");

    status = std::system((environment + "XDG_CONFIG_HOME='" + folder.file("other")
        + "' DBUS_SESSION_BUS_ADDRESS=unix:path='" + folder.file("no-bus") + "' " + present + " >'"
        + folder.file("out.txt") + "' 2>'" + folder.file("errors.txt") + "'")
                             .c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(folder.read("out.txt"), "screen saver: empty list\ndesktop: failed\nstart-up sound: none set\n");
    std::string errors = folder.read("errors.txt");
    EXPECT_TRUE(errors.starts_with("The desktop settings can't be changed without the session bus: ")) << errors;
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
}
