#include "WindowSetFixture.h"
#include "cycle/RecordingSystem.h"
#include "shell/TWindowSet.h"
#include "shell/Tthemainform.h"
#include "shell/about/Tbigabout.h"
#include "shell/skin/TBitmapButton.h"
#include "shell/skin/TErrorBox.h"

#include <QApplication>
#include <QListView>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

class AboutWindow : public WindowSetFixture {
protected:
    void SetUp() override
    {
        WindowSetFixture::SetUp();
        windows.setEndProgram([this] { ++ended; });
        about.setSystem(system);
        // As the Control Center's logo does it.
        about.showWindow();
        windows.themainform().hideWindow();
        QApplication::processEvents();
    }
    void clickAt(QPoint point)
    {
        QTest::mouseClick(about.listBox("ListBox1")->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    }

    void clickEntry(int row)
    {
        QListView* list = about.listBox("ListBox1");
        clickAt(list->visualRect(list->model()->index(row, 0)).center());
    }

    Tbigabout& about = windows.bigabout();
    RecordingSystem system;
    int ended = 0;
};

} // namespace

TEST_F(AboutWindow, EachContactEntryAsksTheShellToOpenItsAddress)
{
    QListView* list = about.listBox("ListBox1");
    ASSERT_EQ(list->model()->rowCount(), 2);
    EXPECT_EQ(list->model()->index(0, 0).data().toString().toStdString(), Tbigabout::mailAddress);
    EXPECT_EQ(list->model()->index(1, 0).data().toString().toStdString(), "zentrel.example.org");
    for (int row : { 0, 1 }) {
        QString entry = list->model()->index(row, 0).data().toString();
        EXPECT_LE(list->fontMetrics().horizontalAdvance(entry), list->viewport()->width()) << entry.toStdString();
    }

    clickEntry(0);
    clickEntry(1);
    clickEntry(0);
    EXPECT_EQ(system.requests,
        (Names { "open mailto:zentrel@example.org", "open https://zentrel.example.org/",
            "open mailto:zentrel@example.org" }));
    EXPECT_EQ(visibleWindows(), Names { "Tbigabout" });
}

TEST_F(AboutWindow, TheSpaceBelowTheEntriesAndMovingThroughThemOpenNothing)
{
    QListView* list = about.listBox("ListBox1");
    QRect last = list->visualRect(list->model()->index(1, 0));
    ASSERT_LT(last.bottom() + 1, list->viewport()->height());
    clickAt(QPoint(last.center().x(), last.bottom() + 1));
    EXPECT_TRUE(system.requests.empty());

    list->setFocus();
    list->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_TRUE(system.requests.empty());
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(system.requests, Names { "open https://zentrel.example.org/" });
}

TEST_F(AboutWindow, OkAndEscReturnToTheControlCenterAndQuitEndsTheProgram)
{
    about.button("okbut")->click();
    EXPECT_EQ(visibleWindows(), Names { "Tthemainform" });

    about.showWindow();
    windows.themainform().hideWindow();
    QApplication::processEvents();
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_EQ(visibleWindows(), Names { "Tthemainform" });
    EXPECT_EQ(ended, 0);

    about.button("quitbut")->click();
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(system.requests.empty());
}

TEST_F(AboutWindow, ClosingBySystemOrEnterOnTheFocusedQuitBehaveAsTheButtons)
{
    about.close();
    EXPECT_EQ(visibleWindows(), Names { "Tthemainform" });
    EXPECT_EQ(ended, 0);

    about.showWindow();
    windows.themainform().hideWindow();
    QApplication::processEvents();
    about.button("quitbut")->setFocus();
    QTest::keyClick(about.button("quitbut"), Qt::Key_Return);
    for (int wait = 0; wait < 100 && ended == 0; ++wait)
        QTest::qWait(10); // the button animates its press before it clicks
    EXPECT_EQ(ended, 1);
}

TEST_F(AboutWindow, FocusMovesFromOkToQuitToTheContactsToTheCredits)
{
    QWidget* order[]
        = { about.button("okbut"), about.button("quitbut"), about.listBox("ListBox1"), about.memo("Memo1") };
    order[0]->setFocus();
    for (QWidget* expected : order) {
        EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget(), order[0]);
}

TEST_F(AboutWindow, CreditsAreFiveLinesCentredByLeadingBlanks)
{
    QStringList lines = about.memo("Memo1")->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].contains("Zentrel v2.0"));
    EXPECT_TRUE(lines[3].isEmpty());
    QPlainTextEdit* memo = about.memo("Memo1");
    for (int i : { 0, 1, 2, 4 }) {
        EXPECT_TRUE(lines[i].startsWith(' ')) << lines[i].toStdString();
        EXPECT_LE(memo->fontMetrics().horizontalAdvance(lines[i]), memo->width()) << lines[i].toStdString();
    }
    EXPECT_TRUE(memo->isReadOnly());
    // Every line shows whole above the contact list, which lies over the memo's last row.
    QRect last = memo->cursorRect(QTextCursor(memo->document()->lastBlock()));
    EXPECT_LT(memo->viewport()->mapTo(&about, last.bottomLeft()).y(), about.listBox("ListBox1")->y());
}
