#include "convert/conversion/PictureKind.h"

std::string pictureExtension(const std::string& path)
{
    auto dot = path.rfind('.');
    if (dot == std::string::npos || path.find_first_of(":\\/", dot) != std::string::npos)
        return {};
    std::string extension = path.substr(dot);
    for (char& c : extension)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return extension;
}

TPictureKind pictureKindOf(const std::string& path)
{
    std::string extension = pictureExtension(path);
    if (extension == ".JPG" || extension == ".JPEG")
        return TPictureKind::Jpeg;
    if (extension == ".GIF")
        return TPictureKind::Gif;
    return TPictureKind::Unknown;
}
