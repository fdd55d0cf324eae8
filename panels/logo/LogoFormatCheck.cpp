#include "panels/logo/LogoFormatCheck.h"

#include "cycle/Exception.h"
#include "panels/logo/LogoBitmap.h"

#include <sys/stat.h>

namespace {

constexpr long long smallestSizeRefused = 120000;
constexpr long long largestSizeRefused = 140000;

long long fileSize(const std::string& path)
{
    struct stat status { };
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        throw Exception(formatMessage("Cannot open file %s", path));
    return static_cast<long long>(status.st_size);
}

} // namespace

std::optional<std::string> checkLogoFile(const std::string& path)
{
    long long size = fileSize(path);
    LogoBitmap picture = readLogoBitmap(path);
    if (size > smallestSizeRefused && size < largestSizeRefused && picture.width == 320 && picture.height == 400)
        return std::nullopt;
    return "Illegal bitmap: " + path + " must be 320x400 and 256 colors (8 bit).";
}
