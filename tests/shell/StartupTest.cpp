#include "shell/TStartup.h"
#include "shell/TWindowSet.h"
#include "shell/skin/TErrorBox.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>

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
