#include "panels/wallpaper/PictureFile.h"

#include "cycle/Exception.h"
#include "cycle/FileBytes.h"

#include <cstring>
#include <memory>
#include <windows.h>

namespace {

constexpr std::size_t fileHeaderSize = 14;
constexpr std::size_t coreHeaderSize = 12;
constexpr std::size_t infoHeaderSize = 40;
// As the Qt build's limit: a damaged header can't claim gigabytes of pixels.
constexpr unsigned long long mostPixels = 2048ULL * 1024 * 1024 / 4;

[[noreturn]] void notValid()
{
    throw Exception("Bitmap image is not valid");
}

std::uint32_t field(const std::string& bytes, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

struct Layout {
    std::vector<std::uint32_t> info; // header, masks and colour table, aligned for GDI
    std::size_t pixelsAt = 0;
    int width = 0;
    int height = 0; // rows, whichever their order
};

// The file's header, masks and colour table, checked against what the file holds so that GDI
// never reads past its end.
Layout layoutOf(const std::string& bytes)
{
    const std::size_t size = bytes.size();
    if (size < fileHeaderSize + coreHeaderSize || bytes.compare(0, 2, "BM") != 0)
        notValid();
    const std::size_t infoSize = field(bytes, fileHeaderSize, 4);
    if ((infoSize != coreHeaderSize && infoSize < infoHeaderSize) || infoSize > size - fileHeaderSize)
        notValid();
    const bool core = infoSize == coreHeaderSize;
    // Signed in the info header; the casts keep the conditional from making them unsigned.
    long long width
        = core ? static_cast<long long>(field(bytes, 18, 2)) : static_cast<std::int32_t>(field(bytes, 18, 4));
    long long height
        = core ? static_cast<long long>(field(bytes, 20, 2)) : static_cast<std::int32_t>(field(bytes, 22, 4));
    const unsigned bits = field(bytes, core ? 24 : 28, 2);
    const std::uint32_t compression = core ? BI_RGB : field(bytes, 30, 4);
    const std::size_t used = core ? 0 : field(bytes, 46, 4);
    const bool runLengths = (compression == BI_RLE8 && bits == 8) || (compression == BI_RLE4 && bits == 4);
    const bool masked = compression == BI_BITFIELDS && (bits == 16 || bits == 32);
    if (width <= 0 || height == 0 || (height < 0 && runLengths)
        || (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        || !(compression == BI_RGB || runLengths || masked))
        notValid();
    const unsigned long long rows = static_cast<unsigned long long>(height < 0 ? -height : height);
    if (static_cast<unsigned long long>(width) * rows > mostPixels)
        notValid();

    const std::size_t colours = bits <= 8 ? (used ? used : std::size_t(1) << bits) : used;
    if (bits <= 8 && colours > (std::size_t(1) << bits))
        notValid();
    const std::size_t masks = masked && infoSize == infoHeaderSize ? 12 : 0;
    const std::size_t infoEnd = fileHeaderSize + infoSize + masks + colours * (core ? 3 : 4);
    const std::size_t pixelsAt = field(bytes, 10, 4);
    if (infoEnd > size || pixelsAt < fileHeaderSize + infoSize + masks || pixelsAt > size)
        notValid();
    if (!runLengths) {
        const unsigned long long stride = (static_cast<unsigned long long>(width) * bits + 31) / 32 * 4;
        if (stride * rows > size - pixelsAt)
            notValid();
    }

    Layout layout;
    layout.info.resize((infoEnd - fileHeaderSize + 3) / 4 + 1);
    std::memcpy(layout.info.data(), bytes.data() + fileHeaderSize, infoEnd - fileHeaderSize);
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(layout.info.data());
    if (runLengths) // GDI reads the runs no further than this
        header->biSizeImage = static_cast<DWORD>(size - pixelsAt);
    layout.pixelsAt = pixelsAt;
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(rows);
    return layout;
}

struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct ObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

} // namespace

// GDI converts every depth and compression a bitmap may have into top-down 32-bit rows, the
// layout of Picture.
Picture loadPictureFile(const std::string& path)
{
    std::string extension = fileExtension(path);
    if (!isBitmapExtension(extension))
        throw Exception(formatMessage("Unknown picture file extension (.%s)", extension));
    std::string bytes;
    if (!readFileBytes(path, bytes))
        throw Exception(formatMessage("Cannot open file %s", path));
    Layout layout = layoutOf(bytes);

    BITMAPINFO target {};
    target.bmiHeader.biSize = sizeof target.bmiHeader;
    target.bmiHeader.biWidth = layout.width;
    target.bmiHeader.biHeight = -layout.height;
    target.bmiHeader.biPlanes = 1;
    target.bmiHeader.biBitCount = 32;
    target.bmiHeader.biCompression = BI_RGB;
    std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter> dc(CreateCompatibleDC(nullptr));
    void* pixels = nullptr;
    std::unique_ptr<std::remove_pointer_t<HGDIOBJ>, ObjectDeleter> section(
        dc ? CreateDIBSection(dc.get(), &target, DIB_RGB_COLORS, &pixels, nullptr, 0) : nullptr);
    if (!section || !pixels)
        notValid();
    if (SetDIBits(dc.get(), static_cast<HBITMAP>(section.get()), 0, static_cast<UINT>(layout.height),
            bytes.data() + layout.pixelsAt, reinterpret_cast<const BITMAPINFO*>(layout.info.data()), DIB_RGB_COLORS)
        == 0)
        notValid();
    GdiFlush();

    Picture picture { layout.width, layout.height,
        std::vector<std::uint32_t>(static_cast<std::size_t>(layout.width) * layout.height) };
    std::memcpy(picture.pixels.data(), pixels, picture.pixels.size() * 4);
    for (std::uint32_t& pixel : picture.pixels)
        pixel |= 0xff000000u;
    return picture;
}
