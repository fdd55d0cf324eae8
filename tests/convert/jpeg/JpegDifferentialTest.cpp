// Our bitmap must be byte for byte what djpeg (built on the same libjpeg) writes with the same
// options, over a spread of JPEG variants.
#include "JpegFixture.h"
#include "TempFolder.h"
#include "convert/jpeg/TJPEGImage.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

struct Variant {
    const char* name;
    JpegRecipe recipe;
};

struct Setting {
    const char* name;
    const char* djpegFlags;
    void (*apply)(TJPEGImage&);
};

bool haveDjpeg()
{
    return std::system("djpeg -version >/dev/null 2>&1") == 0;
}

std::vector<Variant> variants()
{
    std::vector<Variant> list;
    list.push_back({ "colour 4:2:0", {} });
    list.push_back({ "colour 4:4:4", { .hSampling = 1, .vSampling = 1 } });
    list.push_back({ "colour 4:2:2 odd size", { .width = 101, .height = 37, .hSampling = 2, .vSampling = 1 } });
    list.push_back({ "greyscale", { .colors = JpegRecipe::Grey } });
    list.push_back({ "progressive", { .width = 130, .height = 90, .progressive = true } });
    list.push_back({ "progressive greyscale", { .colors = JpegRecipe::Grey, .progressive = true } });
    list.push_back({ "restart markers", { .width = 120, .height = 80, .restartRows = 1 } });
    list.push_back({ "dots per centimetre", { .densityUnit = 2, .xDensity = 38, .yDensity = 40 } });
    list.push_back({ "no density unit", { .densityUnit = 0, .xDensity = 1, .yDensity = 1 } });
    list.push_back({ "one pixel", { .width = 1, .height = 1 } });
    list.push_back({ "tall and narrow", { .width = 3, .height = 300, .quality = 40 } });
    return list;
}

std::vector<Setting> settings()
{
    return {
        { "converter", "-colors 256 -dither fs -dct int", [](TJPEGImage&) {} },
        { "16 colours", "-colors 16", [](TJPEGImage& p) { p.setNumOfColors(TNumOfColors::_16); } },
        { "one pass, ordered", "-colors 256 -onepass -dither ordered",
            [](TJPEGImage& p) {
                p.setOnePass(true);
                p.setDither(TDither::Ordered);
            } },
        { "no dither, float, no smoothing", "-colors 256 -dither none -dct float -nosmooth",
            [](TJPEGImage& p) {
                p.setDither(TDither::None);
                p.setDCTMethod(TDCTMethod::FloatingPoint);
                p.setNoSmooth(true);
            } },
        { "fast", "-colors 256 -fast", [](TJPEGImage& p) { p.setFastProcessing(true); } },
        { "greyscale output", "-colors 256 -grayscale", [](TJPEGImage& p) { p.setGrayScale(true); } },
        { "true colour", "", [](TJPEGImage& p) { p.setNumOfColors(TNumOfColors::TrueColor); } },
    };
}

} // namespace

TEST(JpegDifferential, bitmapsMatchDjpegForEveryVariantAndSetting)
{
    if (!haveDjpeg())
        GTEST_SKIP() << "djpeg is not installed (package libjpeg-turbo-progs)";
    TempFolder folder;
    std::string input = folder.file("in.jpg");
    std::string expected = folder.file("djpeg.bmp");
    for (const Variant& variant : variants()) {
        writeBytes(input, makeJpeg(variant.recipe));
        for (const Setting& setting : settings()) {
            SCOPED_TRACE(std::string(variant.name) + " / " + setting.name);
            std::string command
                = std::string("djpeg -bmp ") + setting.djpegFlags + " -outfile '" + expected + "' '" + input + "'";
            ASSERT_EQ(std::system(command.c_str()), 0) << command;
            TJPEGImage picture;
            setting.apply(picture);
            picture.setFileName(input);
            std::vector<unsigned char> reference = readBytes(expected);
            ASSERT_EQ(picture.Picture().size(), reference.size());
            EXPECT_TRUE(picture.Picture() == reference);
        }
    }
}
