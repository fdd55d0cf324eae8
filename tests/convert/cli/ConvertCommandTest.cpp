// Runs the zentrel-convert program itself.
#include "convert/cli/BatchConversion.h"
#include "convert/conversion/GifBytes.h"
#include "convert/conversion/PictureFile.h"
#include "convert/jpeg/JpegFixture.h"
#include "convert/jpeg/TJPEGImage.h"
#include "convert/jpeg/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

struct Outcome {
    int exitCode;
    std::string errors;

    std::string lastLine() const
    {
        std::string text = errors;
        if (!text.empty() && text.back() == '\n')
            text.pop_back();
        return text.substr(text.rfind('\n') + 1);
    }
};

std::string shellQuoted(const std::string& argument)
{
    return "'" + argument + "'";
}

class ConvertCommandTest : public ::testing::Test {
protected:
    Outcome run(const std::string& arguments)
    {
        std::string errorFile = folder.file("stderr.txt");
        std::string command = shellQuoted(ZENTREL_CONVERT) + " " + arguments + " 2>" + shellQuoted(errorFile);
        int status = std::system(command.c_str());
        std::ifstream in(errorFile);
        std::stringstream text;
        text << in.rdbuf();
        std::filesystem::remove(errorFile);
        return { WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str() };
    }
    std::string file(const std::string& name, const std::vector<unsigned char>& bytes)
    {
        writeBytes(folder.file(name), bytes);
        return folder.file(name);
    }
    std::string fifo(const std::string& name)
    {
        std::string path = folder.file(name);
        EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
        return path;
    }

    TempFolder folder;
};

} // namespace

TEST_F(ConvertCommandTest, wrongArgumentsShowTheUsage)
{
    for (std::string arguments : { "", "one.jpg", "one.jpg two.bmp three", "--to", "--to folder", "--to out.bmp" }) {
        Outcome result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments;
        EXPECT_EQ(result.errors.rfind("Usage: zentrel-convert INPUT OUTPUT", 0), 0u) << result.errors;
    }
}

TEST_F(ConvertCommandTest, writesTheBitmapTheWindowWouldSave)
{
    std::string input = file("photo.JPEG", makeJpeg({ .width = 77, .height = 51 }));
    std::string output = folder.file("photo.bmp");
    Outcome result = run(shellQuoted(input) + " " + shellQuoted(output));
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_EQ(result.errors, "");
    TJPEGImage picture;
    picture.setFileName(input);
    EXPECT_TRUE(readBytes(output) == picture.Picture());

    std::string gif = file("a.gif", twoPixelGif());
    EXPECT_EQ(run(shellQuoted(gif) + " " + shellQuoted(output)).exitCode, 0);
    std::vector<unsigned char> bitmap = readBytes(output);
    ASSERT_EQ(bitmap.size(), 1078u + 4);
    EXPECT_EQ(bitmap[1078], 0);
    EXPECT_EQ(bitmap[1079], 1);
}

TEST_F(ConvertCommandTest, failuresPrintTheErrorBoxTextAndLeaveNoOutput)
{
    std::vector<unsigned char> jpeg = makeJpeg({});
    struct Case {
        std::string input;
        std::string message;
    };
    std::string missing = folder.file("missing.jpg");
    std::string text = file("notes.txt", { 'h', 'i' });
    std::vector<unsigned char> strayByte = twoPixelGif();
    strayByte.back() = 0;
    strayByte.push_back(';');
    const Bytes noData = CodeWriter(2).End().Data();
    const Bytes huge = GifBuilder().Header().Screen(0x80).Colors(2).Image(65535, 65535, 0, 2, noData).Trailer().Data();
    for (const Case& c :
        {
            Case { file("cut.jpg", { jpeg.begin(), jpeg.begin() + 300 }), "Premature end of JPEG file." },
            Case { file("cmyk.jpg", makeJpeg({ .colors = JpegRecipe::Cmyk })), "BMP output must be grayscale or RGB." },
            Case { missing, "Cannot open file " + missing + "." },
            // Refused at once, not waited on for a writer.
            Case { fifo("pipe.jpg"), folder.file("pipe.jpg") + " is not a regular file." },
            Case { fifo("pipe.gif"), folder.file("pipe.gif") + " is not a regular file." },
            Case { file("empty.gif", gifWithoutImage()), "List index out of bounds." },
            Case { text, "Cannot convert " + text + ": only .jpg, .jpeg and .gif pictures are read." },
            // Messages with a line break come out on one line.
            Case { file("stray.gif", strayByte), "Unrecognized block. Code = $00." },
            Case { file("huge.gif", huge),
                "GIF file too large: its images may take 1024 MB together an image of 65535 x 65535 pixels would "
                "bring them to 4294836225 bytes." },
        }) {
        std::string output = folder.file("out.bmp");
        Outcome result = run(shellQuoted(c.input) + " " + shellQuoted(output));
        EXPECT_EQ(result.exitCode, 1) << c.input;
        EXPECT_EQ(result.errors, c.message + "\n");
        EXPECT_FALSE(std::filesystem::exists(output)) << c.input;
    }
}

TEST_F(ConvertCommandTest, fullStopIsAppendedEvenAfterOne)
{
    std::string input = file("a.jpg", makeJpeg({}));
    std::string output = folder.file("no folder/picture.");
    Outcome result = run(shellQuoted(input) + " " + shellQuoted(output));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.lastLine(), "Cannot create file " + output + ".");
    EXPECT_FALSE(std::filesystem::exists(folder.file("no folder")));
}

TEST_F(ConvertCommandTest, toFolderWritesEachPictureUnderItsOwnName)
{
    std::filesystem::create_directories(folder.file("in/deeper"));
    std::filesystem::create_directories(folder.file("out"));
    const std::vector<std::string> inputs = {
        file("in/Photo.JPG", makeJpeg({ .width = 40, .height = 30 })),
        file("in/deeper/b.gif", twoPixelGif()),
        file("in/c.d.jpeg", makeJpeg({ .width = 9, .height = 90, .colors = JpegRecipe::Grey })),
    };
    std::string arguments = "--to " + shellQuoted(folder.file("out"));
    for (const std::string& input : inputs)
        arguments += " " + shellQuoted(input);
    Outcome result = run(arguments);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.errors, "");
    const char* names[] = { "Photo.bmp", "b.bmp", "c.d.bmp" };
    for (std::size_t i = 0; i < inputs.size(); ++i)
        EXPECT_TRUE(readBytes(folder.file("out/") + names[i]) == pictureAsBitmap(inputs[i])) << names[i];
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.file("out")), {}), 3);
}

// Many inputs, so that conversions finish out of order on several workers.
TEST_F(ConvertCommandTest, toFolderPrintsOneLineForEachFailureInInputOrder)
{
    std::filesystem::create_directories(folder.file("out"));
    std::filesystem::create_directories(folder.file("again"));
    const std::vector<unsigned char> jpeg = makeJpeg({ .width = 64, .height = 48 });
    const std::vector<unsigned char> cut(jpeg.begin(), jpeg.begin() + 300);
    std::string arguments = "--to " + shellQuoted(folder.file("out"));
    std::string expected;
    std::vector<std::string> written;
    for (int i = 0; i < 30; ++i) {
        std::string name = "p" + std::to_string(i);
        std::string input;
        if (i % 3 == 1) {
            input = file(name + ".jpg", cut);
            expected += input + ": Premature end of JPEG file.\n";
        } else if (i % 3 == 2) {
            input = folder.file(name + ".gif");
            expected += input + ": File not found.\n";
        } else {
            input = file(name + ".jpg", jpeg);
            written.push_back(name + ".bmp");
        }
        arguments += " " + shellQuoted(input);
    }
    std::string notes = file("notes.txt", { 'h', 'i' });
    std::string again = file("again/p0.gif", twoPixelGif());
    arguments += " " + shellQuoted(notes) + " " + shellQuoted(again);
    expected += notes + ": Cannot convert " + notes + ": only .jpg, .jpeg and .gif pictures are read.\n";
    expected += again + ": Cannot convert " + again + ": " + folder.file("out/p0.bmp") + " is already made from "
        + folder.file("p0.jpg") + ".\n";

    Outcome result = run(arguments);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errors, expected);
    for (const std::string& name : written)
        EXPECT_TRUE(readBytes(folder.file("out/" + name)) == readBytes(folder.file("out/p0.bmp"))) << name;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.file("out")), {}), 10)
        << "a failed picture leaves no bitmap";
}

TEST_F(ConvertCommandTest, toAFolderThatIsNotThereFailsOnce)
{
    std::string input = file("a.jpg", makeJpeg({}));
    for (std::string target : { folder.file("missing"), input }) {
        Outcome result = run("--to " + shellQuoted(target) + " " + shellQuoted(input) + " " + shellQuoted(input));
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.errors, "Cannot convert into " + target + ": there is no such folder.\n");
    }
}

TEST(BatchConversion, theBitmapTakesTheInputsNameWithoutItsExtension)
{
    EXPECT_EQ(bitmapPathIn("out", "/pics/Holiday.2019.JPG"), "out/Holiday.2019.bmp");
    EXPECT_EQ(bitmapPathIn("out/", "a.gif"), "out/a.bmp");
    EXPECT_EQ(bitmapPathIn("/x", "photo"), "/x/photo.bmp");
}
