#include "convert/cli/ConvertCommand.h"
#include "convert/conversion/GifBytes.h"
#include "win32/Win32Folder.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

int convert(std::vector<std::string> arguments, std::string& errors)
{
    arguments.insert(arguments.begin(), "zentrel-convert.exe");
    std::vector<const char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    std::ostringstream out;
    int code = runConvertCommand(static_cast<int>(argv.size()), argv.data(), out);
    errors = out.str();
    return code;
}

TEST(ConvertCommandWin32, AGifBecomesAnEightBitBitmapAtAWindowsPath)
{
    Win32Folder folder;
    const auto gif = twoPixelGif();
    folder.write("Two Pixels.gif", std::string(gif.begin(), gif.end()));
    std::string errors;
    ASSERT_EQ(convert({ folder.file("Two Pixels.gif"), folder.file("out.bmp") }, errors), 0) << errors;
    const std::string bitmap = folder.read("out.bmp");
    ASSERT_GE(bitmap.size(), 54u + 1024u + 4u);
    EXPECT_EQ(bitmap.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bitmap[28]), 8); // bits per pixel
    // Written in binary: a CR LF translation would have grown the file past its stated size.
    const auto stated = static_cast<unsigned char>(bitmap[2]) | static_cast<unsigned char>(bitmap[3]) << 8;
    EXPECT_EQ(static_cast<std::size_t>(stated), bitmap.size());

    ASSERT_TRUE(CreateDirectoryA(folder.file("out").c_str(), nullptr));
    ASSERT_EQ(convert({ "--to", folder.file("out"), folder.file("Two Pixels.gif") }, errors), 0) << errors;
    EXPECT_EQ(folder.read("out\\Two Pixels.bmp"), bitmap);
}

TEST(ConvertCommandWin32, AJpegIsRefusedWithAClearMessageAndNothingWritten)
{
    Win32Folder folder;
    folder.write("photo.jpg", std::string("\xFF\xD8\xFF\xE0", 4));
    std::string errors;
    EXPECT_EQ(convert({ folder.file("photo.jpg"), folder.file("photo.bmp") }, errors), 1);
    EXPECT_EQ(errors,
        "Cannot convert " + folder.file("photo.jpg") + ": this Windows build reads GIF pictures only, not JPEG.\n");
    EXPECT_EQ(folder.names(), "photo.jpg");
}

} // namespace
