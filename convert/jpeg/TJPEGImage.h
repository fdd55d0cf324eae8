#pragma once

#include "convert/jpeg/TJPEGOptions.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The picture control of the converter: setting FileName decodes that JPEG file into Picture (the
// bytes of a Windows bitmap file), with the option properties applied after the header is read.
// Changing an option decodes the current file again. A failed decode keeps the previous Picture.
class TJPEGImage {
public:
    using ProgressEvent = std::function<void(TJPEGImage& sender)>;

    const std::string& FileName() const { return fileName; }
    void setFileName(const std::string& name);

    TNumOfColors NumOfColors() const { return options.NumOfColors; }
    void setNumOfColors(TNumOfColors value) { changeOption(&TJPEGOptions::NumOfColors, value); }
    TDCTMethod DCTMethod() const { return options.DCTMethod; }
    void setDCTMethod(TDCTMethod value) { changeOption(&TJPEGOptions::DCTMethod, value); }
    TDither Dither() const { return options.Dither; }
    void setDither(TDither value) { changeOption(&TJPEGOptions::Dither, value); }
    bool FastProcessing() const { return options.FastProcessing; }
    void setFastProcessing(bool value) { changeOption(&TJPEGOptions::FastProcessing, value); }
    bool GrayScale() const { return options.GrayScale; }
    void setGrayScale(bool value) { changeOption(&TJPEGOptions::GrayScale, value); }
    bool NoSmooth() const { return options.NoSmooth; }
    void setNoSmooth(bool value) { changeOption(&TJPEGOptions::NoSmooth, value); }
    bool OnePass() const { return options.OnePass; }
    void setOnePass(bool value) { changeOption(&TJPEGOptions::OnePass, value); }
    const TJPEGOptions& Options() const { return options; }

    std::uint8_t ProgressStep() const { return progressStep; }
    void setProgressStep(std::uint8_t percent) { progressStep = percent; }
    void setOnProgress(ProgressEvent handler) { onProgress = std::move(handler); }
    int Percent() const { return lastPercent; }

    void setLimits(const TJPEGLimits& value) { limits = value; }

    // The held bitmap file; empty when there is none.
    const std::vector<unsigned char>& Picture() const { return picture; }
    void setPicture(std::vector<unsigned char> bitmap) { picture = std::move(bitmap); }
    void clearPicture() { picture.clear(); }
    bool Stretch() const { return stretch; }
    void setStretch(bool value) { stretch = value; }

private:
    template <typename T> void changeOption(T TJPEGOptions::*option, T value)
    {
        if (options.*option == value)
            return;
        options.*option = value;
        decode();
    }
    void decode();
    void rowsDone(int rows, int height);

    std::string fileName;
    TJPEGOptions options;
    TJPEGLimits limits;
    std::uint8_t progressStep = 10;
    ProgressEvent onProgress;
    int lastPercent = 0;
    std::vector<unsigned char> picture;
    bool stretch = false;
};
