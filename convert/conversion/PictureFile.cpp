#include "convert/conversion/PictureFile.h"

#include "convert/conversion/PictureKind.h"
#include "convert/gif/TGifFile.h"
#include "convert/jpeg/TJpegDecoder.h"
#include "cycle/AtomicFile.h"
#include "cycle/Exception.h"

#include <cstdint>

std::vector<unsigned char> pictureAsBitmap(const std::string& path)
{
    switch (pictureKindOf(path)) {
    case TPictureKind::Jpeg:
        return TJpegDecoder(TJPEGOptions {}).decodeFile(path);
    case TPictureKind::Gif: {
        TGifFile gif;
        gif.LoadFromFile(path);
        std::vector<std::uint8_t> bitmap;
        gif.SaveToStream(bitmap);
        return bitmap;
    }
    case TPictureKind::Unknown:
        break;
    }
    throw Exception(formatMessage("Cannot convert %s: only .jpg, .jpeg and .gif pictures are read", path));
}

void convertPicture(const std::string& input, const std::string& output)
{
    const std::vector<unsigned char> bitmap = pictureAsBitmap(input);
    writeFileAtomically(output, std::string_view(reinterpret_cast<const char*>(bitmap.data()), bitmap.size()));
}
