#include "convert/gif/TGifFile.h"

#include "convert/gif/EGifException.h"
#include "convert/gif/TGifReader.h"
#include "cycle/ENotEnoughMemory.h"
#include "cycle/Exception.h"
#include "cycle/RegularFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>

namespace {
TGifProgress NoProgress;

// Shows the wait cursor for the whole load, and restores the normal one however the load ends.
class WaitCursor {
public:
    explicit WaitCursor(TGifProgress& progress)
        : progress_(progress)
    {
        progress_.BeginLoad();
    }
    ~WaitCursor() { progress_.EndLoad(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    TGifProgress& progress_;
};

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The texts the platform's file errors give the user.
std::string openErrorMessage(int error)
{
    switch (error) {
    case ENOENT:
        return "File not found";
    case ENOTDIR:
        return "Path not found";
    case EACCES:
    case EPERM:
    case EISDIR:
        return "File access denied";
    default:
        return std::strerror(error);
    }
}

std::string hexByte(std::uint8_t value)
{
    static const char digits[] = "0123456789ABCDEF";
    return { digits[value >> 4], digits[value & 0x0F] };
}

void putWord(std::uint8_t* at, std::uint16_t value)
{
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void putLong(std::uint8_t* at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void skipSubBlocks(TGifReader& reader)
{
    while (std::uint8_t length = reader.ReadByte())
        reader.Skip(length);
}
} // namespace

TGifFile::TGifFile()
    : progress_(&NoProgress)
{
    globalColorTable_.InitDefault(256);
}

TGifFile::~TGifFile() = default;

void TGifFile::SetProgress(TGifProgress* progress)
{
    progress_ = progress ? progress : &NoProgress;
}

void TGifFile::LoadFromFile(const std::string& path)
{
    WaitCursor waitCursor(*progress_);
    images_.clear();
    // A FIFO or device is refused at once: opening one could wait for good, and reading it never end.
    std::unique_ptr<std::FILE, CloseFile> file(openRegularStream(path));
    if (!file)
        throw Exception(openErrorMessage(errno));
    TGifReader reader(file.get());
    Load(reader);
}

void TGifFile::LoadFromMemory(const std::uint8_t* bytes, std::size_t size)
{
    WaitCursor waitCursor(*progress_);
    TGifReader reader(bytes, size);
    Load(reader);
}

void TGifFile::Load(TGifReader& reader)
{
    images_.clear();
    pixelBytes_ = 0;
    screenFlags_ = 0;
    globalColorTable_ = TGifColorTable {};
    globalColorTable_.InitDefault(256);

    ReadHeader(reader);
    ReadScreenDescriptor(reader);
    for (;;) {
        const std::uint8_t introducer = reader.ReadByte();
        if (introducer == ';')
            break;
        if (introducer == '!')
            ReadExtension(reader);
        else if (introducer == ',')
            ReadImage(reader);
        else
            throw EGifException("Unrecognized block.\r\nCode = $" + hexByte(introducer));
    }
}

void TGifFile::ReadHeader(TGifReader& reader)
{
    std::uint8_t header[6];
    reader.Read(header, sizeof header);
    signature_.assign(header, header + 3);
    version_.assign(header + 3, header + 6);
    if (version_ != "87a" && version_ != "89a" && version_ != "87A" && version_ != "89A")
        throw EGifException("Gif Version must be 87a or 89a");
}

void TGifFile::ReadScreenDescriptor(TGifReader& reader)
{
    reader.Read(screenDescriptor_, sizeof screenDescriptor_);
    screenFlags_ = screenDescriptor_[4];
    const int count = 2 << (screenFlags_ & 0x07);
    globalColorTable_.Count = count;
    if (HasGlobalColorTable())
        reader.Read(&globalColorTable_.Entries[0][0], std::size_t(count) * 3);
}

void TGifFile::ReadExtension(TGifReader& reader)
{
    const std::uint8_t label = reader.ReadByte();
    switch (label) {
    case 0x01: // plain text: block size and 12 bytes, then the text
        reader.Skip(13);
        skipSubBlocks(reader);
        break;
    case 0xF9: // graphic control: block size, 4 bytes, terminator
        reader.Skip(6);
        break;
    case 0xFE: // comment
        skipSubBlocks(reader);
        break;
    case 0xFF: // application: block size and 11 bytes, then its data
        reader.Skip(12);
        skipSubBlocks(reader);
        break;
    default:
        throw EGifException("Unrecognized extension block.\r\nCode = $" + hexByte(label));
    }
}

void TGifFile::ReadImage(TGifReader& reader)
{
    auto image = std::make_unique<TGifSubImage>(globalColorTable_.Count);
    image->ReadFrom(reader, *progress_, pixelBytes_, MaxPixelBytes);
    pixelBytes_ += image->Pixels().Columns() * image->Pixels().Rows();
    images_.push_back(std::move(image));
}

TGifSubImage& TGifFile::GetImage(int i)
{
    return const_cast<TGifSubImage&>(static_cast<const TGifFile&>(*this).GetImage(i));
}

const TGifSubImage& TGifFile::GetImage(int i) const
{
    if (i < 1 || i > ImageCount())
        throw Exception("List index out of bounds");
    return *images_[std::size_t(i - 1)];
}

const TGifColorTable& TGifFile::ColorTableOf(const TGifSubImage& image) const
{
    return image.HasLocalColorTable() ? image.LocalColorTable() : globalColorTable_;
}

void TGifFile::SaveToStream(std::vector<std::uint8_t>& out) const
{
    constexpr std::size_t PixelOffset = 14 + 40 + 256 * 4;
    constexpr std::uint32_t PixelsPerMetre = 143;
    const TGifSubImage& image = GetImage(1);
    const TByteArray2D& pixels = image.Pixels();
    const std::size_t width = pixels.Columns();
    const std::size_t height = pixels.Rows();
    const std::size_t rowSize = (width + 3) & ~std::size_t(3);
    const std::size_t fileSize = PixelOffset + rowSize * height;
    try {
        out.assign(fileSize, 0);
    } catch (const std::bad_alloc&) {
        throw ENotEnoughMemory(fileSize);
    }

    std::uint8_t* header = out.data();
    header[0] = 'B';
    header[1] = 'M';
    putLong(header + 2, static_cast<std::uint32_t>(fileSize));
    putLong(header + 10, PixelOffset);

    std::uint8_t* info = header + 14;
    putLong(info, 40);
    putLong(info + 4, static_cast<std::uint32_t>(width));
    putLong(info + 8, static_cast<std::uint32_t>(height));
    putWord(info + 12, 1);
    putWord(info + 14, 8);
    putLong(info + 24, PixelsPerMetre);
    putLong(info + 28, PixelsPerMetre);

    const TGifColorTable& colors = ColorTableOf(image);
    std::uint8_t* palette = info + 40;
    for (int i = 0; i < 256; ++i) {
        palette[4 * i] = colors.Entries[i][2];
        palette[4 * i + 1] = colors.Entries[i][1];
        palette[4 * i + 2] = colors.Entries[i][0];
    }

    std::uint8_t* row = out.data() + PixelOffset;
    for (std::size_t r = height; r >= 1; --r, row += rowSize)
        if (width > 0)
            std::memcpy(row, pixels.RowData(r), width);
}
