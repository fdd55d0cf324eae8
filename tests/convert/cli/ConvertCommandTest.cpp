// Runs the zentrel-convert program itself.
#include "convert/conversion/GifBytes.h"
#include "convert/jpeg/JpegFixture.h"
#include "convert/jpeg/TJPEGImage.h"
#include "convert/jpeg/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
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

    TempFolder folder;
};

} // namespace

TEST_F(ConvertCommandTest, wrongArgumentsShowTheUsage)
{
    for (std::string arguments : { "", "one.jpg", "one.jpg two.bmp three" }) {
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
