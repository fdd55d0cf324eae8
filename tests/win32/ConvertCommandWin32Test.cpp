#include "convert/cli/ConvertCommand.h"
#include "convert/conversion/GifBytes.h"
#include "win32/Win32Folder.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <sstream>

namespace {

const unsigned char* quarterColour(int x, int y)
{
    static const unsigned char colours[4][3] = { { 220, 30, 30 }, { 30, 200, 40 }, { 40, 50, 210 }, { 250, 250, 250 } };
    return colours[(y >= 8 ? 2 : 0) + (x >= 8 ? 1 : 0)];
}

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

// A 16 x 16 picture of four flat quarters, red, green, blue and white from the top left, with no
// colour subsampling, so every quarter decodes to nearly its own colour.
std::string quartersJpeg()
{
    jpeg_compress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = info.image_height = 16;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    unsigned char row[16 * 3];
    while (info.next_scanline < 16) {
        for (int x = 0; x < 16; ++x) {
            const unsigned char* rgb = quarterColour(x, static_cast<int>(info.next_scanline));
            std::copy(rgb, rgb + 3, row + x * 3);
        }
        JSAMPROW rows[] = { row };
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

// The colour of a pixel of an 8-bit bitmap file, as red, green, blue; rows are stored bottom up.
std::array<int, 3> bitmapPixel(const std::string& bitmap, int x, int y)
{
    auto byte = [&](std::size_t at) { return static_cast<unsigned char>(bitmap.at(at)); };
    auto word = [&](std::size_t at) { return byte(at) | byte(at + 1) << 8 | byte(at + 2) << 16 | byte(at + 3) << 24; };
    const int width = word(18);
    const int height = word(22);
    const std::size_t stride = (static_cast<std::size_t>(width) + 3) / 4 * 4;
    const int index = byte(word(10) + stride * (height - 1 - y) + x);
    const std::size_t entry = 14 + word(14) + index * 4u;
    return { byte(entry + 2), byte(entry + 1), byte(entry) };
}

TEST(ConvertCommandWin32, AJpegBecomesAnEightBitBitmapOfItsColours)
{
    Win32Folder folder;
    folder.write("Four Quarters.jpg", quartersJpeg());
    std::string errors;
    ASSERT_EQ(convert({ folder.file("Four Quarters.jpg"), folder.file("out.bmp") }, errors), 0) << errors;
    const std::string bitmap = folder.read("out.bmp");
    ASSERT_GE(bitmap.size(), 54u + 1024u + 16u * 16u);
    EXPECT_EQ(static_cast<unsigned char>(bitmap[28]), 8); // bits per pixel
    for (int y : { 2, 13 })
        for (int x : { 2, 13 }) {
            const std::array<int, 3> pixel = bitmapPixel(bitmap, x, y);
            const unsigned char* expected = quarterColour(x, y);
            for (int c = 0; c < 3; ++c)
                EXPECT_NEAR(pixel[c], expected[c], 12) << "pixel " << x << "," << y << " channel " << c;
        }
}

// libjpeg's errors leave its C frames by longjmp: under the Windows runtime too, the message
// arrives and nothing is written.
TEST(ConvertCommandWin32, ADamagedJpegFailsWithLibjpegsMessageAndNothingWritten)
{
    Win32Folder folder;
    const std::string jpeg = quartersJpeg();
    folder.write("cut.jpg", jpeg.substr(0, jpeg.size() / 2));
    folder.write("noise.jpg", std::string("\xFF\xD8\xFF\xE0", 4) + std::string(64, '\x55'));
    std::string errors;
    EXPECT_EQ(convert({ folder.file("cut.jpg"), folder.file("cut.bmp") }, errors), 1);
    EXPECT_EQ(errors, "Premature end of JPEG file.\n");
    EXPECT_EQ(convert({ folder.file("noise.jpg"), folder.file("noise.bmp") }, errors), 1);
    EXPECT_NE(errors.find("JPEG"), std::string::npos) << errors;
    EXPECT_EQ(folder.names(), "cut.jpg noise.jpg");
}

} // namespace
