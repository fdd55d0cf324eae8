#include "shell/skin/TFileDialog.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(FileDialog, FiltersAreTranslatedPairByPair)
{
    EXPECT_EQ(TFileDialog::toQtFilter("Bitmap Image|*.bmp"), "Bitmap Image (*.bmp)");
    EXPECT_EQ(TFileDialog::toQtFilter("JPG / GIF Images|*.jpg;*.gif;*.jpeg"), "JPG / GIF Images (*.jpg *.gif *.jpeg)");
    EXPECT_EQ(TFileDialog::toQtFilter("Wav|*.wav|All|*.*"), "Wav (*.wav);;All (*.*)");
}

TEST(FileDialog, DefaultExtensionOnlyWhenTheNameHasNone)
{
    EXPECT_EQ(TFileDialog::withDefaultExtension("/home/u/picture", "bmp"), "/home/u/picture.bmp");
    EXPECT_EQ(TFileDialog::withDefaultExtension("/home/u/picture.dib", "bmp"), "/home/u/picture.dib");
    // A dot in a folder name is not an extension of the file.
    EXPECT_EQ(TFileDialog::withDefaultExtension("/home/u.v/picture", "bmp"), "/home/u.v/picture.bmp");
    EXPECT_EQ(TFileDialog::withDefaultExtension("", "bmp"), "");
}

TEST(FileDialog, HookSuppliesTheChosenFilesAndSeesTheRequest)
{
    std::vector<TFileDialogRequest> requests;
    TFileDialog::setTestHook([&](const TFileDialogRequest& request) {
        requests.push_back(request);
        if (request.kind == TFileDialogRequest::Kind::Save)
            return std::vector<std::string> { "/out/picture" };
        return std::vector<std::string> { "/a.bmp", "/b.bmp" };
    });
    EXPECT_EQ(TFileDialog::openFiles(nullptr, "Bitmap Image|*.bmp"), (std::vector<std::string> { "/a.bmp", "/b.bmp" }));
    EXPECT_EQ(TFileDialog::openFile(nullptr, "JPG / GIF Images|*.jpg"), "/a.bmp");
    EXPECT_EQ(TFileDialog::saveFile(nullptr, "Bitmap Images|*.bmp", "bmp"), "/out/picture.bmp");
    TFileDialog::setTestHook([](const TFileDialogRequest&) { return std::vector<std::string> {}; });
    EXPECT_EQ(TFileDialog::saveFile(nullptr, "Bitmap Images|*.bmp", "bmp"), "");
    TFileDialog::setTestHook({});

    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].kind, TFileDialogRequest::Kind::OpenMany);
    EXPECT_EQ(requests[0].filter, "Bitmap Image|*.bmp");
    EXPECT_EQ(requests[2].defaultExtension, "bmp");
}

TEST(FileDialog, TheWindowThatOpenedTheDialogIsInFrontAgainAfterIt)
{
    // The window manager hands the focus to another of the program's windows as the dialog closes.
    QWidget opener, other;
    opener.show();
    other.show();
    auto active
        = [](QWidget& window) { return QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }); };
    TFileDialog::setTestHook([&](const TFileDialogRequest&) {
        other.activateWindow();
        EXPECT_TRUE(active(other));
        return std::vector<std::string> {};
    });
    TFileDialog::saveFile(new QPushButton(&opener), "Bitmap Images|*.bmp", "bmp");
    EXPECT_TRUE(active(opener));
    TFileDialog::setTestHook({});
}
