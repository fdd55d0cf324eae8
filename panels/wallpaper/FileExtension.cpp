#include "panels/wallpaper/FileExtension.h"

#include "cycle/AsciiCase.h"

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
    return upperAscii(extension) == "BMP";
}
