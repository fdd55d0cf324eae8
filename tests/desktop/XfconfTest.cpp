// The XFCE path with the real xfconf-query and xfconfd on a private session bus.
#include "cycle/StandInMachine.h"
#include "cycle/TemporaryFolder.h"

#include <QImage>
#include <gtest/gtest.h>
#include <sys/wait.h>

TEST(XfconfTest, EveryBackdropGetsThePictureAndAFreshDesktopItsFirstOne)
{
    TemporaryFolder folder;
    StandInMachine(folder.path()).ensureExists();
    std::string picture = folder.file("a picture.bmp");
    QImage(3, 3, QImage::Format_RGB32).save(QString::fromStdString(picture), "BMP");
    folder.write("machine/c/WINDOWS/win.ini", "[Desktop]\r\nWallpaper=" + picture + "\r\nTileWallpaper=1\r\n");

    const std::string property = "/backdrop/screen0/monitorVirtual1/workspace0/";
    struct Case {
        std::string before; // xfconf-query commands run first, in the same session
        std::vector<std::string> after; // lines the channel then lists
    };
    for (const Case& c : {
             Case { "",
                 { "/backdrop/screen0/monitor0/workspace0/image-style  2",
                     "/backdrop/screen0/monitor0/workspace0/last-image   " + picture } },
             Case { "xfconf-query -c xfce4-desktop -p " + property + "last-image -n -t string -s /old.bmp; "
                     + "xfconf-query -c xfce4-desktop -p " + property + "image-style -n -t int -s 5; ",
                 { property + "image-style  2", property + "last-image   " + picture } },
         }) {
        std::string config = folder.file("config");
        std::filesystem::remove_all(config);
        // xfconfd outlives the bus it was started on long enough to save its channels into the
        // config folder; the session waits for it to end so that the next case starts empty.
        folder.write("session.sh",
            c.before + "'" ZENTREL_CYCLE "' --program-dir '" + folder.path()
                + "' --present --only saver\n"
                  "xfconf-query -c xfce4-desktop -l -v\n"
                  "daemon=$(dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus / "
                  "org.freedesktop.DBus.GetConnectionUnixProcessID string:org.xfce.Xfconf | awk '{ print $2 }')\n"
                  "kill \"$daemon\" && while kill -0 \"$daemon\" 2>/dev/null; do sleep 0.05; done\n");
        std::string command = "XDG_CONFIG_HOME='" + config + "' XDG_CURRENT_DESKTOP=XFCE dbus-run-session -- sh '"
            + folder.file("session.sh") + "' >'" + folder.file("out.txt") + "' 2>/dev/null";
        int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        std::string out = folder.read("out.txt");
        EXPECT_NE(out.find("desktop: " + picture + " (tiled) shown on XFCE\n"), std::string::npos) << out;
        for (const std::string& line : c.after)
            EXPECT_NE(out.find(line + "\n"), std::string::npos) << line << "\n" << out;
    }
}
