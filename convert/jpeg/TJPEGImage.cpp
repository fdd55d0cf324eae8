#include "convert/jpeg/TJPEGImage.h"

#include "convert/jpeg/TJpegDecoder.h"

void TJPEGImage::setFileName(const std::string& name)
{
    fileName = name;
    decode();
}

void TJPEGImage::decode()
{
    if (fileName.empty())
        return;
    lastPercent = 0;
    TJpegDecoder decoder(options, limits);
    decoder.onRows([this](int rows, int height) { rowsDone(rows, height); });
    picture = decoder.decodeFile(fileName);
}

// A step of 0 would make every percentage a multiple of nothing: no reports then.
void TJPEGImage::rowsDone(int rows, int height)
{
    int percent = rows * 100 / height;
    if (percent == lastPercent || progressStep == 0 || percent % progressStep != 0)
        return;
    lastPercent = percent;
    if (onProgress)
        onProgress(*this);
}
