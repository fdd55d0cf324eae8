#include "panels/logo/LogoFormatCheck.h"

#include "cycle/Exception.h"

namespace {

constexpr std::size_t smallestSizeRefused = 120000;
constexpr std::size_t largestSizeRefused = 140000;

bool fits(const LogoBitmapFile& file)
{
    const LogoBitmapHeader& header = file.header();
    return file.size() > smallestSizeRefused && file.size() < largestSizeRefused && header.width == 320
        && header.height == 400 && header.bitsPerPixel == 8;
}

std::string refusal(const std::string& path)
{
    return "Illegal bitmap: " + path + " must be 320x400 and 256 colors (8 bit).";
}

} // namespace

std::optional<std::string> checkLogoFile(const std::string& path)
{
    LogoBitmapFile file(path);
    if (!fits(file))
        return refusal(path);
    file.decode();
    return std::nullopt;
}

LogoBitmap readCheckedLogo(const std::string& path)
{
    LogoBitmapFile file(path);
    if (!fits(file))
        throw Exception(refusal(path));
    return file.decode();
}
