#include "panels/wallpaper/PictureFile.h"

#include "panels/wallpaper/PictureImage.h"

Picture loadPictureFile(const std::string& path)
{
    return pictureOf(loadPictureImage(path));
}
