#include "GiflibPeer.h"

#include <cstdlib>
#include <cstring>
#include <gif_lib.h>
#include <stdexcept>

namespace giflib {
namespace {
struct Source {
    const Bytes* bytes;
    std::size_t at = 0;
};

int writeTo(GifFileType* gif, const GifByteType* data, int length)
{
    auto* out = static_cast<Bytes*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

int readFrom(GifFileType* gif, GifByteType* data, int length)
{
    auto* source = static_cast<Source*>(gif->UserData);
    const std::size_t part = std::min<std::size_t>(std::size_t(length), source->bytes->size() - source->at);
    std::memcpy(data, source->bytes->data() + source->at, part);
    source->at += part;
    return int(part);
}

ColorMapObject* colorMap(int count)
{
    std::vector<GifColorType> colors(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        colors[std::size_t(i)] = { GifByteType(i), GifByteType(255 - i), GifByteType(i * 3) };
    return GifMakeMapObject(count, colors.data());
}
} // namespace

Bytes encode(const Picture& picture)
{
    Bytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, writeTo, &error);
    if (!gif)
        throw std::runtime_error("EGifOpen failed");
    gif->SWidth = picture.frames.empty() ? 1 : picture.frames[0].width;
    gif->SHeight = picture.frames.empty() ? 1 : picture.frames[0].height;
    gif->SColorResolution = 8;
    gif->SBackGroundColor = 0;
    gif->SColorMap = picture.globalColors ? colorMap(picture.globalColors) : nullptr;
    for (const Frame& frame : picture.frames) {
        SavedImage* image = GifMakeSavedImage(gif, nullptr);
        image->ImageDesc = { 0, 0, frame.width, frame.height, frame.interlaced, nullptr };
        if (frame.localColors)
            image->ImageDesc.ColorMap = colorMap(frame.localColors);
        image->RasterBits = static_cast<GifByteType*>(std::malloc(frame.pixels.size()));
        std::memcpy(image->RasterBits, frame.pixels.data(), frame.pixels.size());
        if (frame.graphicControl) {
            GifByteType control[4] = { 0x01, 5, 0, 2 };
            GifAddExtensionBlock(
                &image->ExtensionBlockCount, &image->ExtensionBlocks, GRAPHICS_EXT_FUNC_CODE, 4, control);
        }
        if (picture.comment) {
            GifByteType text[] = "made for the differential test";
            GifAddExtensionBlock(
                &image->ExtensionBlockCount, &image->ExtensionBlocks, COMMENT_EXT_FUNC_CODE, sizeof text - 1, text);
        }
    }
    if (EGifSpew(gif) == GIF_ERROR)
        throw std::runtime_error("EGifSpew failed");
    return out;
}

bool decode(const Bytes& bytes, std::vector<Bytes>& rasters)
{
    Source source { &bytes };
    int error = 0;
    GifFileType* gif = DGifOpen(&source, readFrom, &error);
    if (!gif)
        return false;
    const bool read = DGifSlurp(gif) == GIF_OK;
    rasters.clear();
    for (int i = 0; read && i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        const std::size_t size = std::size_t(image.ImageDesc.Width) * std::size_t(image.ImageDesc.Height);
        rasters.emplace_back(image.RasterBits, image.RasterBits + size);
    }
    DGifCloseFile(gif, &error);
    return read;
}

} // namespace giflib
