#include "GifTestBytes.h"
#include "GiflibPeer.h"
#include "convert/gif/TGifFile.h"

#include <gtest/gtest.h>
#include <random>

namespace {
// Noise, long runs (codes met before they are complete) and smooth ramps, in one picture.
giflib::Frame randomFrame(std::mt19937& random, int colors)
{
    giflib::Frame frame;
    frame.width = 1 + int(random() % 300);
    frame.height = 1 + int(random() % 200);
    frame.interlaced = random() % 3 == 0;
    frame.graphicControl = random() % 2;
    if (random() % 4 == 0) {
        frame.localColors = 2 << (random() % 8);
        colors = frame.localColors;
    }
    frame.pixels.resize(std::size_t(frame.width) * std::size_t(frame.height));
    const int kind = int(random() % 3);
    std::uint8_t run = 0;
    for (std::size_t i = 0; i < frame.pixels.size(); ++i) {
        if (kind == 0)
            frame.pixels[i] = std::uint8_t(random() % unsigned(colors));
        else if (kind == 1)
            frame.pixels[i] = random() % 40 == 0 ? run = std::uint8_t(random() % unsigned(colors)) : run;
        else
            frame.pixels[i]
                = std::uint8_t((i % std::size_t(frame.width) + i / std::size_t(frame.width)) % std::size_t(colors));
    }
    return frame;
}

Bytes pixelsOf(const TGifSubImage& image)
{
    Bytes bytes;
    for (int r = 1; r <= image.Height(); ++r)
        for (int c = 1; c <= image.Width(); ++c)
            bytes.push_back(image.Pixels().GetItem(std::size_t(c), std::size_t(r)));
    return bytes;
}
} // namespace

TEST(GifGiflibDifferential, BothDecodersAgreeOnGiflibsFiles)
{
    std::mt19937 random(1987);
    for (int round = 0; round < 150; ++round) {
        giflib::Picture picture;
        const int globalSizes[] = { 2, 16, 256 };
        picture.globalColors = globalSizes[random() % 3];
        picture.comment = random() % 2;
        const int frames = 1 + int(random() % 3);
        for (int i = 0; i < frames; ++i)
            picture.frames.push_back(randomFrame(random, picture.globalColors));
        const Bytes gif = giflib::encode(picture);

        std::vector<Bytes> expected;
        ASSERT_TRUE(giflib::decode(gif, expected)) << round;
        TGifFile ours;
        ours.LoadFromMemory(gif.data(), gif.size());
        ASSERT_EQ(ours.ImageCount(), frames) << round;
        for (int i = 0; i < frames; ++i) {
            EXPECT_EQ(pixelsOf(ours.GetImage(i + 1)), expected[std::size_t(i)]) << round << " frame " << i;
            EXPECT_EQ(expected[std::size_t(i)], picture.frames[std::size_t(i)].pixels) << round << " frame " << i;
        }
    }
}

TEST(GifGiflibDifferential, DataWithoutALeadingClearCodeDecodeAsGiflibDecodesThem)
{
    struct Stream {
        int codeSize;
        int pixels;
        Bytes data;
    };
    const Stream streams[] = {
        { 2, 4, CodeWriter(2).Code(2).Code(3).Code(6).End().Data() },
        { 2, 9, CodeWriter(2).Code(1).Code(6).Code(7).Clear().Code(3).Code(6).End().Data() },
        { 4, 8, CodeWriter(4).Code(9).Code(18).Code(18).Code(19).End().Data() },
    };
    for (const Stream& stream : streams) {
        const Bytes gif = GifBuilder()
                              .Header()
                              .Screen(0x83)
                              .Colors(16)
                              .Image(stream.pixels, 1, 0, stream.codeSize, stream.data)
                              .Trailer()
                              .Data();
        std::vector<Bytes> expected;
        ASSERT_TRUE(giflib::decode(gif, expected));
        TGifFile ours;
        ours.LoadFromMemory(gif.data(), gif.size());
        EXPECT_EQ(pixelsOf(ours.GetImage(1)), expected[0]);
    }
}
