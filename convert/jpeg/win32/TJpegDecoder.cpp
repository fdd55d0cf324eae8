#include "convert/jpeg/TJpegDecoder.h"

#include "convert/jpeg/EJPEGException.h"

// The Windows build has no libjpeg yet: every JPEG is refused, before its file is even opened.

namespace {

[[noreturn]] void refuse(const std::string& name)
{
    throw EJPEGException(formatMessage("Cannot convert %s: this Windows build reads GIF pictures only, not JPEG",
        name.empty() ? "the picture" : name));
}

} // namespace

TJpegDecoder::TJpegDecoder(const TJPEGOptions& options, const TJPEGLimits& limits)
    : options(options)
    , limits(limits)
{
}

std::vector<unsigned char> TJpegDecoder::decodeFile(const std::string& name) const
{
    refuse(name);
}

std::vector<unsigned char> TJpegDecoder::decodeMemory(const unsigned char*, std::size_t) const
{
    refuse({});
}
