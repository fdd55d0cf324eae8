#include "panels/wallpaper/FileExtension.h"

#include <algorithm>

std::string fileExtension(const std::string& path)
{
    std::size_t dot = path.find_last_of('.');
    std::size_t separator = path.find_last_of("\\/:");
    if (dot == std::string::npos || (separator != std::string::npos && separator > dot))
        return {};
    return path.substr(dot + 1);
}

bool isBitmapExtension(const std::string& extension)
{
    std::string upper = extension;
    std::transform(upper.begin(), upper.end(), upper.begin(),
        [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return upper == "BMP";
}
