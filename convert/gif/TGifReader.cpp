#include "convert/gif/TGifReader.h"

#include "cycle/Exception.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {
constexpr std::size_t BufferSize = 64 * 1024;
}

TGifReader::TGifReader(const std::uint8_t* bytes, std::size_t size)
    : data_(bytes)
    , size_(size)
{
}

TGifReader::TGifReader(std::FILE* file)
    : file_(file)
    , buffer_(BufferSize)
    , data_(buffer_.data())
    , size_(0)
{
    struct stat status { };
    if (::fstat(fileno(file), &status) == 0 && status.st_size > 0)
        fileLeft_ = static_cast<std::size_t>(status.st_size);
}

void TGifReader::ReadBeyondEnd()
{
    throw Exception("Read beyond end of file");
}

bool TGifReader::Refill()
{
    if (!file_)
        return false;
    size_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    position_ = 0;
    if (size_ == 0 && std::ferror(file_))
        throw Exception(std::string("Read error: ") + std::strerror(errno));
    fileLeft_ -= std::min(fileLeft_, size_);
    return size_ > 0;
}

std::uint8_t TGifReader::ReadByte()
{
    if (position_ == size_ && !Refill())
        ReadBeyondEnd();
    return data_[position_++];
}

void TGifReader::Read(std::uint8_t* to, std::size_t count)
{
    while (count > 0) {
        if (position_ == size_ && !Refill())
            ReadBeyondEnd();
        std::size_t part = std::min(count, size_ - position_);
        std::memcpy(to, data_ + position_, part);
        position_ += part;
        to += part;
        count -= part;
    }
}

void TGifReader::Skip(std::size_t count)
{
    while (count > 0) {
        if (position_ == size_ && !Refill())
            ReadBeyondEnd();
        std::size_t part = std::min(count, size_ - position_);
        position_ += part;
        count -= part;
    }
}

void TGifReader::AppendTo(std::vector<std::uint8_t>& out, std::size_t count)
{
    while (count > 0) {
        if (position_ == size_ && !Refill())
            ReadBeyondEnd();
        std::size_t part = std::min(count, size_ - position_);
        out.insert(out.end(), data_ + position_, data_ + position_ + part);
        position_ += part;
        count -= part;
    }
}

std::size_t TGifReader::Remaining() const
{
    return size_ - position_ + fileLeft_;
}
