#include "cycle/AsciiCase.h"
#include "cycle/Exception.h"
#include "cycle/RegularFile.h"
#include "panels/logo/LogoBitmap.h"
#include "panels/wallpaper/FileExtension.h"

#include <algorithm>
#include <cerrno>
#include <new>

namespace {

constexpr const char* notValid = "Bitmap image is not valid";
constexpr std::size_t fileHeaderSize = 14;
constexpr std::size_t coreHeaderSize = 12;
constexpr std::size_t infoHeaderSize = 40;
// Everything the header is judged by: the file header, a 40-byte info header and three bit-field masks.
constexpr std::size_t leadingSize = fileHeaderSize + infoHeaderSize + 12;
// A damaged header may claim gigabytes; the picture toolkit refuses more than 2 GB once decoded
// at four bytes a pixel, and so does this reader.
constexpr long long largestPixelCount = 512LL * 1024 * 1024;

enum Compression : unsigned { Uncompressed = 0, RunLengths8 = 1, RunLengths4 = 2, BitFields = 3 };

[[noreturn]] void refuse()
{
    throw Exception(notValid);
}

class Bytes {
public:
    explicit Bytes(std::string bytes)
        : m_bytes(std::move(bytes))
    {
    }
    std::size_t size() const { return m_bytes.size(); }
    unsigned byte(std::size_t at) const { return static_cast<unsigned char>(m_bytes[at]); }
    const char* at(std::size_t offset) const { return m_bytes.data() + offset; }
    // A little-endian field that must lie in the file.
    std::uint32_t field(std::size_t at, int count) const
    {
        if (at + static_cast<std::size_t>(count) > m_bytes.size())
            refuse();
        std::uint32_t value = 0;
        for (int i = count - 1; i >= 0; --i)
            value = (value << 8) | byte(at + static_cast<std::size_t>(i));
        return value;
    }

private:
    std::string m_bytes;
};

// One colour channel of a bit-field pixel, shifted to 8 bits as the picture toolkit does (a 5-bit
// channel's brightest value reads as 248, not 255).
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int width = 0;

    explicit Channel(std::uint32_t bits)
        : mask(bits)
    {
        while (bits && !(bits & 1)) {
            bits >>= 1;
            ++shift;
        }
        while (bits & 1) {
            bits >>= 1;
            ++width;
        }
    }
    std::uint32_t of(std::uint32_t pixel) const
    {
        std::uint32_t value = (pixel & mask) >> shift;
        return width < 8 ? (value << (8 - width)) & 0xff : value >> (width - 8);
    }
};

struct Header {
    long long width = 0;
    long long height = 0;
    bool topDown = false;
    int bits = 0;
    unsigned compression = Uncompressed;
    std::size_t tableAt = 0;
    std::size_t tableEntrySize = 4;
    std::size_t colourCount = 0;
    std::size_t pixelsAt = 0;
    std::uint32_t masks[3] = {};
};

// Judged from the file's first bytes and its size alone, so a header that claims more than the
// file holds is refused before any memory is taken for the pixels.
Header readHeader(const Bytes& file, std::size_t fileSize)
{
    if (fileSize < fileHeaderSize + coreHeaderSize || file.size() < 2 || file.byte(0) != 'B' || file.byte(1) != 'M')
        refuse();
    Header header;
    header.pixelsAt = file.field(10, 4);
    const std::size_t infoSize = file.field(fileHeaderSize, 4);
    if (infoSize == coreHeaderSize) {
        header.width = file.field(fileHeaderSize + 4, 2);
        header.height = file.field(fileHeaderSize + 6, 2);
        header.bits = static_cast<int>(file.field(fileHeaderSize + 10, 2));
        header.tableEntrySize = 3;
    } else if (infoSize >= infoHeaderSize) {
        header.width = static_cast<std::int32_t>(file.field(fileHeaderSize + 4, 4));
        header.height = static_cast<std::int32_t>(file.field(fileHeaderSize + 8, 4));
        header.bits = static_cast<int>(file.field(fileHeaderSize + 14, 2));
        header.compression = file.field(fileHeaderSize + 16, 4);
        header.colourCount = file.field(fileHeaderSize + 32, 4);
    } else {
        refuse();
    }
    header.tableAt = fileHeaderSize + infoSize;
    if (header.height < 0) {
        header.topDown = true;
        header.height = -header.height;
    }
    if (header.width <= 0 || header.height <= 0 || header.width * header.height > largestPixelCount)
        refuse();

    const int bits = header.bits;
    const unsigned compression = header.compression;
    const bool known = (compression == Uncompressed
                           && (bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32))
        || (compression == RunLengths8 && bits == 8) || (compression == RunLengths4 && bits == 4)
        || (compression == BitFields && (bits == 16 || bits == 32));
    if (!known || (header.topDown && (compression == RunLengths8 || compression == RunLengths4)))
        refuse();

    if (bits <= 8) {
        const std::size_t most = std::size_t(1) << bits;
        if (header.colourCount == 0)
            header.colourCount = most;
        if (header.colourCount > most || header.tableAt + header.colourCount * header.tableEntrySize > fileSize)
            refuse();
    } else {
        header.colourCount = 0;
    }

    if (compression == BitFields) {
        // The masks follow a plain 40-byte header, and lie at the same place inside a longer one.
        for (int i = 0; i < 3; ++i)
            header.masks[i] = file.field(fileHeaderSize + infoHeaderSize + 4 * static_cast<std::size_t>(i), 4);
    } else if (bits == 16) {
        header.masks[0] = 0x7c00;
        header.masks[1] = 0x03e0;
        header.masks[2] = 0x001f;
    } else {
        header.masks[0] = 0xff0000;
        header.masks[1] = 0x00ff00;
        header.masks[2] = 0x0000ff;
    }
    if (header.pixelsAt > fileSize)
        refuse();
    if (compression != RunLengths8 && compression != RunLengths4) {
        // Every row's pixels must be there; only the last row's padding may be missing.
        const std::size_t rowBits = static_cast<std::size_t>(header.width) * static_cast<std::size_t>(bits);
        const std::size_t rowSize = (rowBits + 31) / 32 * 4;
        const std::size_t lastRow = (rowBits + 7) / 8;
        const std::size_t there = fileSize - header.pixelsAt;
        if (there < lastRow || (there - lastRow) / rowSize < static_cast<std::size_t>(header.height - 1))
            refuse();
    }
    return header;
}

void readUncompressed(const Bytes& file, const Header& header, LogoBitmap& picture)
{
    const std::size_t width = static_cast<std::size_t>(picture.width);
    const std::size_t bits = static_cast<std::size_t>(header.bits);
    const std::size_t rowSize = (width * bits + 31) / 32 * 4;
    const Channel red(header.masks[0]), green(header.masks[1]), blue(header.masks[2]);
    for (int row = 0; row < picture.height; ++row) {
        const std::size_t start = header.pixelsAt + static_cast<std::size_t>(row) * rowSize;
        const int y = header.topDown ? row : picture.height - 1 - row;
        const std::size_t first = static_cast<std::size_t>(y) * width;
        if (bits == 8) {
            std::copy(
                file.at(start), file.at(start + width), picture.indices.begin() + static_cast<std::ptrdiff_t>(first));
            continue;
        }
        for (std::size_t x = 0; x < width; ++x) {
            if (bits <= 8) {
                const unsigned byte = file.byte(start + x * bits / 8);
                const unsigned shift = static_cast<unsigned>(8 - bits - (x * bits) % 8);
                picture.indices[first + x] = static_cast<std::uint8_t>((byte >> shift) & ((1u << bits) - 1));
            } else if (bits == 24) {
                const std::size_t at = start + 3 * x;
                picture.pixels[first + x] = file.byte(at) | file.byte(at + 1) << 8 | file.byte(at + 2) << 16;
            } else {
                const std::uint32_t pixel = file.field(start + x * bits / 8, static_cast<int>(bits / 8));
                picture.pixels[first + x] = red.of(pixel) << 16 | green.of(pixel) << 8 | blue.of(pixel);
            }
        }
    }
}

// Run-length rows are stored bottom-up: counted pixels of one index (two alternating ones at 4
// bits), escapes for end of line, end of picture, a jump, and uncoded pixels padded to 16 bits.
void readRunLengths(const Bytes& file, const Header& header, LogoBitmap& picture)
{
    const bool fourBits = header.bits == 4;
    long long x = 0, row = 0;
    auto put = [&](unsigned index) {
        if (x < picture.width && row < picture.height) {
            const std::size_t y = static_cast<std::size_t>(picture.height - 1 - row);
            picture.indices[y * static_cast<std::size_t>(picture.width) + static_cast<std::size_t>(x)]
                = static_cast<std::uint8_t>(index);
        }
        ++x;
    };
    std::size_t at = header.pixelsAt;
    while (row < picture.height) {
        // Data that ends before the picture does is a cut file, not a picture padded with index 0.
        if (at + 2 > file.size())
            refuse();
        const unsigned count = file.byte(at), value = file.byte(at + 1);
        at += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i)
                put(fourBits ? (i % 2 ? value & 0x0f : value >> 4) : value);
        } else if (value == 0) {
            x = 0;
            ++row;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (at + 2 > file.size())
                refuse();
            x += file.byte(at);
            row += file.byte(at + 1);
            at += 2;
        } else {
            const std::size_t length = fourBits ? (value + 1) / 2 : value;
            if (at + length > file.size())
                refuse();
            for (unsigned i = 0; i < value; ++i) {
                const unsigned byte = file.byte(at + (fourBits ? i / 2 : i));
                put(fourBits ? (i % 2 ? byte & 0x0f : byte >> 4) : byte);
            }
            at += (length + 1) / 2 * 2;
        }
    }
}

// Reads from the file's current offset to its end.
bool readRest(int fd, std::string& bytes)
{
    char piece[64 * 1024];
    for (;;) {
        const auto got = ::read(fd, piece, sizeof piece);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        bytes.append(piece, static_cast<std::size_t>(got));
    }
}

LogoBitmap decodePixels(const Bytes& file, const Header& header)
{
    LogoBitmap picture;
    picture.width = static_cast<int>(header.width);
    picture.height = static_cast<int>(header.height);
    picture.bitsPerPixel = header.bits;
    const std::size_t count = static_cast<std::size_t>(header.width * header.height);
    try {
        if (picture.indexed()) {
            for (std::size_t i = 0; i < header.colourCount; ++i) {
                const std::size_t at = header.tableAt + i * header.tableEntrySize;
                picture.colours.push_back(file.byte(at) | file.byte(at + 1) << 8 | file.byte(at + 2) << 16);
            }
            picture.indices.assign(count, 0);
        } else {
            picture.pixels.assign(count, 0);
        }
    } catch (const std::bad_alloc&) {
        refuse();
    }
    if (header.compression == RunLengths8 || header.compression == RunLengths4)
        readRunLengths(file, header, picture);
    else
        readUncompressed(file, header, picture);
    return picture;
}

} // namespace

LogoBitmap decodeLogoBitmap(std::string bytes)
{
    const Bytes file(std::move(bytes));
    return decodePixels(file, readHeader(file, file.size()));
}

LogoBitmapFile::LogoBitmapFile(const std::string& path)
    : m_path(path)
{
    const std::string extension = fileExtension(path);
    const std::string kind = upperAscii(extension);
    if (kind != "BMP" && kind != "SYS")
        throw Exception(formatMessage("Unknown picture file extension (.%s)", extension));
    struct stat status { };
    m_file = openRegularFile(path, status);
    if (!m_file.isOpen())
        throw Exception(formatMessage("Cannot open file %s", path));
    m_size = static_cast<std::size_t>(status.st_size);
    m_bytes.resize(std::min(m_size, leadingSize));
    std::size_t filled = 0;
    while (filled < m_bytes.size()) {
        const auto got = ::read(m_file.get(), m_bytes.data() + filled, m_bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    m_bytes.resize(filled);
    // A boot logo is a bitmap under another name; any other .sys file is no picture.
    if (kind == "SYS" && !m_bytes.starts_with("BM"))
        throw Exception(formatMessage("Unknown picture file extension (.%s)", extension));
    const Header header = readHeader(Bytes(m_bytes), m_size);
    m_header = { static_cast<int>(header.width), static_cast<int>(header.height), header.bits };
}

LogoBitmap LogoBitmapFile::decode()
{
    if (!readRest(m_file.get(), m_bytes))
        throw Exception(formatMessage("Cannot open file %s", m_path));
    const Bytes file(std::move(m_bytes));
    m_bytes.clear();
    return decodePixels(file, readHeader(file, file.size()));
}

LogoBitmap readLogoBitmap(const std::string& path)
{
    return LogoBitmapFile(path).decode();
}
