#include "convert/jpeg/TJpegDecoder.h"

#include "convert/jpeg/EFOpenError.h"
#include "convert/jpeg/EJPEGException.h"
#include "convert/jpeg/JpegSession.h"
#include "convert/jpeg/TBmpWriter.h"
#include "cycle/RegularFile.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

JpegSessionOptions sessionOptions(const TJPEGOptions& options, const TJPEGLimits& limits)
{
    JpegSessionOptions result {};
    result.quantize = options.NumOfColors != TNumOfColors::TrueColor;
    result.colors = options.NumOfColors == TNumOfColors::_16 ? 16 : 256;
    result.twoPass = !options.OnePass;
    result.dither = options.Dither == TDither::None ? JDITHER_NONE
        : options.Dither == TDither::FS             ? JDITHER_FS
                                                    : JDITHER_ORDERED;
    result.dct = options.DCTMethod == TDCTMethod::Integ ? JDCT_ISLOW
        : options.DCTMethod == TDCTMethod::FastInteg    ? JDCT_IFAST
                                                        : JDCT_FLOAT;
    result.fancyUpsampling = !options.NoSmooth;
    result.grayscale = options.GrayScale;
    if (options.FastProcessing) {
        result.twoPass = false;
        result.dither = JDITHER_ORDERED;
        result.dct = JDCT_IFAST;
        result.fancyUpsampling = false;
    }
    result.maxMemory = limits.maxMemory;
    result.maxScans = limits.maxScans;
    return result;
}

// Owns libjpeg's state on the C++ side, so every way out of a decode releases it.
struct SessionGuard {
    std::unique_ptr<JpegSession> session = std::make_unique<JpegSession>();
    ~SessionGuard() { jpegSessionDestroy(session.get()); }

    void check(int result) const
    {
        if (result != 0)
            throw EJPEGException(session->message);
    }
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

int pixelsPerMetre(const jpeg_decompress_struct& info, int density)
{
    constexpr int dotsPerCentimetre = 2;
    return info.density_unit == dotsPerCentimetre ? density * 100 : 0;
}

} // namespace

TJpegDecoder::TJpegDecoder(const TJPEGOptions& options, const TJPEGLimits& limits)
    : options(options)
    , limits(limits)
{
}

std::vector<unsigned char> TJpegDecoder::decodeFile(const std::string& name) const
{
    // A FIFO or device is refused at once: opening one could wait for good, and reading it never end.
    std::unique_ptr<std::FILE, FileCloser> file(openRegularStream(name));
    if (!file)
        throw EFOpenError(formatMessage("Cannot open file %s", name));
    SessionGuard guard;
    JpegSessionOptions settings = sessionOptions(options, limits);
    guard.check(jpegSessionStartFile(guard.session.get(), file.get(), &settings));
    return readPicture(*guard.session);
}

std::vector<unsigned char> TJpegDecoder::decodeMemory(const unsigned char* data, std::size_t size) const
{
    SessionGuard guard;
    JpegSessionOptions settings = sessionOptions(options, limits);
    guard.check(jpegSessionStartMemory(guard.session.get(), data, size, &settings));
    return readPicture(*guard.session);
}

std::vector<unsigned char> TJpegDecoder::readPicture(JpegSession& session) const
{
    const jpeg_decompress_struct& info = session.info;
    bool indexed = info.quantize_colors || info.out_color_components == 1;
    TBmpWriter bitmap(static_cast<int>(info.output_width), static_cast<int>(info.output_height), indexed ? 8 : 24,
        pixelsPerMetre(info, info.X_density), pixelsPerMetre(info, info.Y_density));
    if (info.quantize_colors) {
        bitmap.setColorTable(info.colormap, info.actual_number_of_colors, info.out_color_components);
        readIndexed(session, bitmap);
    } else if (indexed) {
        bitmap.setGreyRamp();
        readIndexed(session, bitmap);
    } else {
        readTrueColor(session, bitmap);
    }
    if (jpegSessionFinish(&session) != 0)
        throw EJPEGException(session.message);
    return bitmap.take();
}

// Quantized and unquantized grey rows are already bitmap rows: libjpeg writes them straight into place.
void TJpegDecoder::readIndexed(JpegSession& session, TBmpWriter& bitmap) const
{
    const jpeg_decompress_struct& info = session.info;
    int batch = info.rec_outbuf_height;
    std::vector<JSAMPROW> rows(batch);
    while (info.output_scanline < info.output_height) {
        int first = static_cast<int>(info.output_scanline);
        int count = std::min<int>(batch, static_cast<int>(info.output_height) - first);
        for (int i = 0; i < count; ++i)
            rows[i] = bitmap.row(first + i);
        JDIMENSION read = 0;
        if (jpegSessionReadRows(&session, rows.data(), static_cast<JDIMENSION>(count), &read) != 0)
            throw EJPEGException(session.message);
        if (read == 0)
            throw EJPEGException("JPEG decoder returned no rows");
        reportRows(session);
    }
}

void TJpegDecoder::readTrueColor(JpegSession& session, TBmpWriter& bitmap) const
{
    const jpeg_decompress_struct& info = session.info;
    int batch = info.rec_outbuf_height;
    int channels = info.out_color_components;
    std::size_t stride = static_cast<std::size_t>(info.output_width) * channels;
    std::vector<unsigned char> samples(stride * batch);
    std::vector<JSAMPROW> rows(batch);
    for (int i = 0; i < batch; ++i)
        rows[i] = samples.data() + stride * i;
    while (info.output_scanline < info.output_height) {
        int first = static_cast<int>(info.output_scanline);
        JDIMENSION read = 0;
        if (jpegSessionReadRows(&session, rows.data(), static_cast<JDIMENSION>(batch), &read) != 0)
            throw EJPEGException(session.message);
        if (read == 0)
            throw EJPEGException("JPEG decoder returned no rows");
        for (JDIMENSION i = 0; i < read; ++i)
            bitmap.setRowFromSamples(first + static_cast<int>(i), rows[i], channels);
        reportRows(session);
    }
}

void TJpegDecoder::reportRows(JpegSession& session) const
{
    if (rowsDone)
        rowsDone(static_cast<int>(session.info.output_scanline), static_cast<int>(session.info.output_height));
}
