#include "panels/saver/Tsaverform.h"
#include "panels/sound/Ttonvikform.h"
#include "shell/TStartup.h"
#include "shell/TWindowSet.h"
#include "shell/skin/TErrorBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

class Startup : public ::testing::Test {
protected:
    void SetUp() override
    {
        TErrorBox::setTestHook([this](const std::string& text) { shown.push_back(text); });
    }
    void TearDown() override { TErrorBox::setTestHook({}); }

    std::string programDirectory() const { return folder.path().toStdString() + "/"; }

    // Every file under the program directory with its size and time of last change.
    std::map<QString, std::pair<qint64, QDateTime>> files() const
    {
        std::map<QString, std::pair<qint64, QDateTime>> found;
        QDirIterator it(folder.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFileInfo info(it.next());
            found[info.filePath()] = { info.size(), info.lastModified() };
        }
        return found;
    }

    void write(const char* name, const char* bytes)
    {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
    std::vector<std::string> shown;
};

} // namespace

TEST_F(Startup, ShowsOnlyTheControlCenterAndEndsWhenAsked)
{
    TStartup startup(programDirectory());
    EXPECT_EQ(QApplication::applicationName(), "Zentrel v2.0");
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("machine/registry.reg")));
    ASSERT_EQ(startup.windows().all().size(), 19u);

    std::vector<std::string> visible;
    QTimer::singleShot(0, [&] {
        for (TSkinnedForm* window : startup.windows().all())
            if (window->isVisible())
                visible.push_back(window->table().name);
        startup.windows().endProgram();
    });
    EXPECT_EQ(startup.run(), 0);
    EXPECT_EQ(visible, std::vector<std::string> { "Tthemainform" });
    EXPECT_TRUE(shown.empty());
}

TEST_F(Startup, NothingIsWrittenWhileRunningOrAtTheEnd)
{
    TStartup startup(programDirectory());
    auto before = files();
    QTimer::singleShot(0, [&] { startup.windows().endProgram(); });
    startup.run();
    EXPECT_EQ(files(), before);
}

TEST_F(Startup, AMachineThatCannotBeMadeIsReportedAndStartUpGoesOn)
{
    TStartup startup(folder.path().toStdString() + "/missing/folder/");
    ASSERT_FALSE(shown.empty());
    EXPECT_NE(shown.front().find("Cannot create file"), std::string::npos) << shown.front();
    EXPECT_EQ(startup.windows().all().size(), 19u);
}

TEST_F(Startup, EveryPanelComesUpWithItsFilesAndAnUnreadableFileIsReported)
{
    write("dozarn.dat", "/s/one.scr\r\n/s/two.scr\r\n/s/three.scr\r\n");
    write("dozarn.cfg", "tr\r\n2\r\n");
    // Five lines fail the sound panel's count test: enabled, in order, next 1 for both lists.
    write("tonvik.cfg", "f\r\n3\r\nf\r\n2\r\nx\r\n");
    // A socket exists as a file but is none to read, even for the superuser.
    int socketFile = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::string socketPath = folder.filePath("ambrel.dat").toStdString();
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
    ASSERT_EQ(::bind(socketFile, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    TStartup startup(programDirectory());
    EXPECT_EQ(shown, std::vector<std::string> { programDirectory() + "ambrel.dat is not a regular file." });

    Tsaverform& saver = startup.windows().saverform();
    EXPECT_EQ(saver.listBox("list")->model()->rowCount(), 3);
    EXPECT_TRUE(saver.checkBox("enable")->isChecked());
    EXPECT_TRUE(saver.checkBox("ran")->isChecked());
    EXPECT_EQ(saver.edit("next")->text(), "2");

    Ttonvikform& sound = startup.windows().tonvikform();
    for (const char* name : { "inenable", "outenable", "inedit" })
        EXPECT_TRUE(sound.checkBox(name)->isChecked()) << name;
    for (const char* name : { "inran", "outran", "outedit" })
        EXPECT_FALSE(sound.checkBox(name)->isChecked()) << name;
    EXPECT_EQ(sound.edit("innext")->text(), "1");
    EXPECT_EQ(sound.edit("outnext")->text(), "1");
    ::close(socketFile);
}
