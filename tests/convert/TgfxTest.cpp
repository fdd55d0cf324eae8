#include "convert/Tgfx.h"

#include "convert/conversion/GifBytes.h"
#include "convert/jpeg/JpegFixture.h"
#include "convert/jpeg/TempFolder.h"
#include "shell/skin/TBitmapButton.h"
#include "shell/skin/TErrorBox.h"
#include "shell/skin/TFileDialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <deque>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// The converter window with its dialogs answered from a queue of chosen files ("" cancels) and its
// error box captured.
class ConverterWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        TErrorBox::setTestHook([this](const std::string& text) { shown.push_back(text); });
        TFileDialog::setTestHook([this](const TFileDialogRequest& request) {
            requests.push_back(request);
            std::string answer = answers.empty() ? std::string() : answers.front();
            if (!answers.empty())
                answers.pop_front();
            return answer.empty() ? std::vector<std::string>() : std::vector<std::string> { answer };
        });
        window.showWindow();
    }
    void TearDown() override
    {
        TErrorBox::setTestHook({});
        TFileDialog::setTestHook({});
    }

    std::string file(const std::string& name, const std::vector<unsigned char>& bytes)
    {
        writeBytes(folder.file(name), bytes);
        return folder.file(name);
    }
    void load(const std::string& path)
    {
        answers.push_back(path);
        window.button("BitBtn1")->click();
    }
    void save(const std::string& path)
    {
        answers.push_back(path);
        window.button("BitBtn2")->click();
    }
    std::string thefile() const { return window.edit("thefile")->text().toStdString(); }
    QLabel* pic() const { return window.image("pic"); }
    QRect box() const { return pic()->geometry(); }
    bool picInFront() const
    {
        const QObjectList& stack = window.children();
        return stack.indexOf(pic()) > stack.indexOf(window.image("Image1"));
    }

    TempFolder folder;
    Tgfx window;
    std::deque<std::string> answers;
    std::vector<TFileDialogRequest> requests;
    std::vector<std::string> shown;
};

} // namespace

TEST_F(ConverterWindow, ButtonsTakeFocusInOrderWithTheirHintsAndThePathFieldIsSkipped)
{
    EXPECT_EQ(window.windowTitle(), "JPG / GIF to BMP Converter");
    EXPECT_EQ(window.geometry(), QRect(293, 111, 275, 256));
    EXPECT_EQ(window.edit("thefile")->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(window.edit("thefile")->isReadOnly());
    EXPECT_EQ(window.button("BitBtn1")->nextInFocusChain(), window.button("BitBtn2"));
    EXPECT_EQ(window.button("BitBtn2")->nextInFocusChain(), window.button("BitBtn3"));
    EXPECT_EQ(window.button("BitBtn1")->toolTip(), "Load Jpg or Gif");
    EXPECT_EQ(window.button("BitBtn2")->toolTip(), "Save as Bmp");
    EXPECT_EQ(window.button("BitBtn3")->toolTip(), "Exit Gfx Converter");
    EXPECT_FALSE(picInFront()) << "the empty preview lies beneath the painted well";
}

TEST_F(ConverterWindow, LoadingAJpegShowsItsPathAndItsPictureInAFittedBox)
{
    std::string photo = file("Photo.JPG", makeJpeg({ .width = 192, .height = 256 }));
    load(photo);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].kind, TFileDialogRequest::Kind::OpenOne);
    EXPECT_EQ(requests[0].filter, "JPG / GIF Images|*.jpg;*.gif;*.jpeg");
    EXPECT_EQ(thefile(), photo);
    EXPECT_EQ(box(), QRect(8, 96, 112, 150));
    EXPECT_EQ(pic()->pixmap().size(), QSize(112, 150)) << "the preview is made at the box's size";
    EXPECT_TRUE(pic()->hasScaledContents());
    EXPECT_TRUE(picInFront());

    load("");
    EXPECT_EQ(thefile(), photo) << "a cancelled dialog changes nothing";
    EXPECT_TRUE(shown.empty()) << shown.front();
}

TEST_F(ConverterWindow, LoadingAGifShowsItsPixels)
{
    load(file("a.gif", twoPixelGif()));
    EXPECT_EQ(box(), QRect(8, 96, 2, 1));
    QImage shown = pic()->pixmap().toImage();
    ASSERT_EQ(shown.size(), QSize(2, 1));
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(1, 0), QColor(Qt::blue));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor ends with the load";
}

TEST_F(ConverterWindow, AHugeGifIsPreviewed)
{
    load(file("huge.gif", redOverBlueGif(10000, 10000)));
    EXPECT_TRUE(shown.empty()) << shown.front();
    EXPECT_EQ(box(), QRect(8, 96, 150, 150));
    QImage preview = pic()->pixmap().toImage();
    ASSERT_EQ(preview.size(), QSize(150, 150));
    EXPECT_EQ(preview.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(preview.pixelColor(149, 149), QColor(Qt::blue));
}

TEST_F(ConverterWindow, AnUnsupportedExtensionShowsThePathButKeepsThePicture)
{
    load(file("wide.jpeg", makeJpeg({ .width = 300, .height = 200 })));
    qint64 picture = pic()->pixmap().cacheKey();
    for (std::string name : { "b.bmp", "c.jfif", "pics.jpg/photo" }) {
        load(folder.file(name));
        EXPECT_EQ(thefile(), folder.file(name));
        EXPECT_EQ(box(), QRect(8, 96, 150, 100)) << name;
        EXPECT_EQ(pic()->pixmap().cacheKey(), picture) << name;
    }
    EXPECT_TRUE(shown.empty());
}

TEST_F(ConverterWindow, ADamagedFileIsReportedAndThePreviousPictureStaysInTheFullBox)
{
    load(file("small.jpg", makeJpeg({ .width = 40, .height = 30 })));
    qint64 picture = pic()->pixmap().cacheKey();
    std::vector<unsigned char> jpeg = makeJpeg({});
    std::vector<unsigned char> badVersion = twoPixelGif();
    badVersion[4] = '8';
    std::vector<unsigned char> strayByte = twoPixelGif();
    strayByte.back() = 0;
    strayByte.push_back(';');
    const std::pair<std::string, std::string> cases[] = {
        { file("cut.jpg", { jpeg.begin(), jpeg.begin() + static_cast<long>(jpeg.size() / 2) }),
            "Premature end of JPEG file." },
        { folder.file("missing.jpg"), "Cannot open file " + folder.file("missing.jpg") + "." },
        { file("old.gif", badVersion), "Gif Version must be 87a or 89a." },
        { file("stray.gif", strayByte), "Unrecognized block.\r\nCode = $00." }, // the box keeps its two lines
    };
    for (const auto& [path, message] : cases) {
        shown.clear();
        load(path);
        EXPECT_EQ(shown, std::vector<std::string> { message });
        EXPECT_EQ(thefile(), path);
        EXPECT_EQ(box(), QRect(8, 96, 150, 150)) << path;
        EXPECT_EQ(pic()->pixmap().cacheKey(), picture) << path;
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(ConverterWindow, AGifWithoutImageEmptiesThePreviewAndThenSavesNothing)
{
    load(file("small.jpg", makeJpeg({ .width = 40, .height = 30 })));
    load(file("empty.gif", gifWithoutImage()));
    EXPECT_EQ(shown, std::vector<std::string> { "List index out of bounds." });
    EXPECT_TRUE(pic()->pixmap().isNull());
    save(folder.file("out"));
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.bmp")));
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(ConverterWindow, SaveWritesTheHeldBitmapAndReplacesWithoutAsking)
{
    save(folder.file("early"));
    EXPECT_EQ(requests.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(folder.file("early.bmp"))) << "nothing is written before a load";

    load(file("a.jpg", makeJpeg({ .width = 20, .height = 10 })));
    save(folder.file("out"));
    EXPECT_EQ(requests.back().kind, TFileDialogRequest::Kind::Save);
    EXPECT_EQ(requests.back().filter, "Bitmap Images|*.bmp");
    EXPECT_EQ(requests.back().defaultExtension, "bmp");
    EXPECT_TRUE(readBytes(folder.file("out.bmp")) == window.converter().pic().Picture());

    load(file("b.gif", twoPixelGif()));
    save(folder.file("out.bmp"));
    EXPECT_TRUE(readBytes(folder.file("out.bmp")) == window.converter().pic().Picture());
    EXPECT_EQ(readBytes(folder.file("out.bmp"))[18], 2) << "the second picture replaced the first";

    std::string unwritable = folder.file("no folder/out.bmp");
    save(unwritable);
    EXPECT_EQ(shown, std::vector<std::string> { "Cannot create file " + unwritable + "." });
}

TEST_F(ConverterWindow, ExitAndEscHideTheWindowWhichKeepsItsPictureAndPath)
{
    std::string path = file("a.jpg", makeJpeg({ .width = 60, .height = 20 }));
    load(path);
    window.button("BitBtn3")->click();
    EXPECT_FALSE(window.isVisible());
    window.showWindow();
    EXPECT_EQ(thefile(), path);
    EXPECT_EQ(box(), QRect(8, 96, 60, 20));
    EXPECT_EQ(pic()->pixmap().size(), QSize(60, 20));

    QApplication::processEvents();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ConverterWindow, ButtonsPressedWhileAGifLoadsAreIgnored)
{
    std::string path = file("a.gif", twoPixelGif());
    int pressed = 0;
    std::string pathDuringLoad;
    bool waitCursor = false;
    // Runs from the decoder's per-row event processing, like a user's impatient clicks.
    QMetaObject::invokeMethod(
        &window,
        [&] {
            pathDuringLoad = thefile();
            waitCursor = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            answers.push_back(folder.file("during.gif"));
            answers.push_back(folder.file("during.bmp"));
            for (const char* button : { "BitBtn1", "BitBtn2", "BitBtn3" }) {
                window.button(button)->click();
                ++pressed;
            }
        },
        Qt::QueuedConnection);
    load(path);
    EXPECT_EQ(pressed, 3);
    EXPECT_EQ(requests.size(), 1u) << "no dialog opened during the load";
    EXPECT_EQ(pathDuringLoad, path);
    EXPECT_TRUE(waitCursor);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(thefile(), path);
    EXPECT_EQ(box(), QRect(8, 96, 2, 1));
    EXPECT_FALSE(std::filesystem::exists(folder.file("during.bmp")));
    EXPECT_TRUE(shown.empty());

    answers.clear();
    window.button("BitBtn3")->click();
    EXPECT_FALSE(window.isVisible()) << "Exit works again once the load is over";
}
