#pragma once

#include "convert/jpeg/TJPEGOptions.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

struct JpegSession;

// Decodes one JPEG file (or bytes in memory) into the bytes of a Windows bitmap file. Failures
// raise EFOpenError or EJPEGException; libjpeg's state is released on every path.
class TJpegDecoder {
public:
    using RowsDone = std::function<void(int rows, int height)>;

    explicit TJpegDecoder(const TJPEGOptions& options, const TJPEGLimits& limits = {});

    void onRows(RowsDone callback) { rowsDone = std::move(callback); }
    std::vector<unsigned char> decodeFile(const std::string& name) const;
    std::vector<unsigned char> decodeMemory(const unsigned char* data, std::size_t size) const;

private:
    std::vector<unsigned char> readPicture(JpegSession& session) const;
    void readIndexed(JpegSession& session, class TBmpWriter& bitmap) const;
    void readTrueColor(JpegSession& session, class TBmpWriter& bitmap) const;
    void reportRows(JpegSession& session) const;

    TJPEGOptions options;
    TJPEGLimits limits;
    RowsDone rowsDone;
};
