// Writes a few small GIF files, each exercising a different part of the format, as fuzzing seeds.
#include "GifTestBytes.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {
void save(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes)
{
    std::ofstream(folder / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

Bytes ramp(std::size_t count, int modulo)
{
    Bytes pixels(count);
    for (std::size_t i = 0; i < count; ++i)
        pixels[i] = static_cast<std::uint8_t>((i * 7 + i / 13) % std::size_t(modulo));
    return pixels;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_gif_seeds <folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    save(folder, "two-colours.gif",
        GifBuilder()
            .Header("GIF87a")
            .Screen(0x80)
            .Colors(2)
            .Image(4, 3, 0, 2, literalStream(2, ramp(12, 2)))
            .Trailer()
            .Data());
    save(folder, "interlaced-16.gif",
        GifBuilder()
            .Header()
            .Screen(0x83)
            .Colors(16)
            .Image(7, 10, 0x40, 4, literalStream(4, ramp(70, 16)))
            .Trailer()
            .Data());
    save(folder, "local-table.gif",
        GifBuilder().Header().Screen(0x07).Image(6, 5, 0x82, 3, literalStream(3, ramp(30, 8))).Trailer().Data());
    GifBuilder extensions;
    extensions.Header().Screen(0x87).Colors(256);
    extensions.Raw({ '!', 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1, 0, 0, 0 });
    extensions.Raw({ '!', 0xF9, 4, 1, 0, 0, 3, 0 });
    extensions.Raw({ '!', 0xFE, 3, 'z', 'e', 'n', 0 });
    extensions.Image(9, 4, 0, 8, literalStream(8, ramp(36, 256)));
    extensions.Raw({ '!', 0x01, 12, 0, 0, 0, 0, 8, 0, 8, 0, 8, 8, 0, 1, 2, 'h', 'i', 0 });
    extensions.Image(3, 3, 0, 8, literalStream(8, ramp(9, 256)));
    save(folder, "frames-and-extensions.gif", extensions.Trailer().Data());
    CodeWriter growth(2);
    growth.Code(1);
    for (unsigned code = 6; code < 300; ++code)
        growth.Code(code % 2 ? 1 : code);
    save(folder, "long-strings.gif",
        GifBuilder().Header().Screen(0x80).Colors(2).Image(200, 200, 0, 2, growth.End().Data()).Trailer().Data());
    return 0;
}
