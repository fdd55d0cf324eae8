#include "JpegFixture.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <jpeglib.h>
#include <stdexcept>

namespace {

// Smooth gradients, a few hard edges and some texture: enough variety for the quantizer and the
// upsampler to matter, like a photograph would.
void photoPixel(int x, int y, int width, int height, unsigned char* rgb)
{
    double u = static_cast<double>(x) / width;
    double v = static_cast<double>(y) / height;
    double ripple = 0.5 + 0.5 * std::sin(x * 0.21 + std::cos(y * 0.13) * 3.0);
    bool disc = (u - 0.6) * (u - 0.6) + (v - 0.4) * (v - 0.4) < 0.05;
    unsigned noise = (static_cast<unsigned>(x) * 2654435761u ^ static_cast<unsigned>(y) * 40503u) >> 27;
    rgb[0] = static_cast<unsigned char>(disc ? 230 : 255 * u * 0.8 + 30 * ripple + noise);
    rgb[1] = static_cast<unsigned char>(disc ? 40 : 200 * v + 40 * ripple);
    rgb[2] = static_cast<unsigned char>(disc ? 60 : 255 * (1 - u) * (1 - v) * 0.9 + noise);
}

J_COLOR_SPACE inputSpace(JpegRecipe::Colors colors)
{
    switch (colors) {
    case JpegRecipe::Grey:
        return JCS_GRAYSCALE;
    case JpegRecipe::Cmyk:
    case JpegRecipe::Ycck:
        return JCS_CMYK;
    default:
        return JCS_RGB;
    }
}

} // namespace

std::vector<unsigned char> makeJpeg(const JpegRecipe& recipe)
{
    jpeg_compress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);

    info.image_width = static_cast<JDIMENSION>(recipe.width);
    info.image_height = static_cast<JDIMENSION>(recipe.height);
    info.in_color_space = inputSpace(recipe.colors);
    info.input_components = recipe.colors == JpegRecipe::Grey ? 1 : recipe.colors == JpegRecipe::Rgb ? 3 : 4;
    jpeg_set_defaults(&info);
    if (recipe.colors == JpegRecipe::Ycck)
        jpeg_set_colorspace(&info, JCS_YCCK);
    jpeg_set_quality(&info, recipe.quality, TRUE);
    info.comp_info[0].h_samp_factor = recipe.hSampling;
    info.comp_info[0].v_samp_factor = recipe.vSampling;
    info.restart_in_rows = recipe.restartRows;
    info.density_unit = static_cast<UINT8>(recipe.densityUnit);
    info.X_density = static_cast<UINT16>(recipe.xDensity);
    info.Y_density = static_cast<UINT16>(recipe.yDensity);
    if (recipe.progressive)
        jpeg_simple_progression(&info);

    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(recipe.width) * info.input_components);
    while (info.next_scanline < info.image_height) {
        int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < recipe.width; ++x) {
            unsigned char rgb[3];
            photoPixel(x, y, recipe.width, recipe.height, rgb);
            unsigned char* out = row.data() + static_cast<std::size_t>(x) * info.input_components;
            if (info.input_components == 1) {
                out[0] = static_cast<unsigned char>((rgb[0] * 3 + rgb[1] * 6 + rgb[2]) / 10);
            } else {
                for (int c = 0; c < 3; ++c)
                    out[c] = rgb[c];
                if (info.input_components == 4)
                    out[3] = static_cast<unsigned char>(x + y);
            }
        }
        JSAMPROW rows[1] = { row.data() };
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<unsigned char> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

void writeBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::vector<unsigned char> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}
