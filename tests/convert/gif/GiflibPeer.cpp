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

// The piece by piece writer rather than EGifSpew, which leaves its images and their tables behind.
Bytes encode(const Picture& picture)
{
    Bytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, writeTo, &error);
    if (!gif)
        throw std::runtime_error("EGifOpen failed");
    bool written = true;
    auto check = [&](int result) { written = written && result == GIF_OK; };
    EGifSetGifVersion(gif, true);
    const int width = picture.frames.empty() ? 1 : picture.frames[0].width;
    const int height = picture.frames.empty() ? 1 : picture.frames[0].height;
    ColorMapObject* global = picture.globalColors ? colorMap(picture.globalColors) : nullptr;
    check(EGifPutScreenDesc(gif, width, height, 8, 0, global));
    GifFreeMapObject(global);
    for (const Frame& frame : picture.frames) {
        if (frame.graphicControl) {
            GifByteType control[4] = { 0x01, 5, 0, 2 };
            check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, control));
        }
        if (picture.comment)
            check(EGifPutComment(gif, "made for the differential test"));
        ColorMapObject* local = frame.localColors ? colorMap(frame.localColors) : nullptr;
        check(EGifPutImageDesc(gif, 0, 0, frame.width, frame.height, frame.interlaced, local));
        GifFreeMapObject(local);
        // Interlaced rows go out in the order of the four passes.
        const int firstRow[4] = { 0, 4, 2, 1 }, step[4] = { 8, 8, 4, 2 };
        for (int pass = 0; pass < (frame.interlaced ? 4 : 1); ++pass)
            for (int y = frame.interlaced ? firstRow[pass] : 0; y < frame.height;
                 y += frame.interlaced ? step[pass] : 1)
                check(EGifPutLine(gif,
                    const_cast<GifByteType*>(frame.pixels.data()) + std::size_t(y) * std::size_t(frame.width),
                    frame.width));
        // The writer's copy of a local table is not freed by the next image or by closing.
        GifFreeMapObject(gif->Image.ColorMap);
        gif->Image.ColorMap = nullptr;
    }
    check(EGifCloseFile(gif, &error));
    if (!written)
        throw std::runtime_error("giflib could not write the picture");
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
