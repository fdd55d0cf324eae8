#pragma once

// The decoding options of the JPEG picture control; the defaults are the converter's values.
enum class TNumOfColors { _16, _256, TrueColor };
enum class TDCTMethod { Integ, FastInteg, FloatingPoint };
enum class TDither { None, FS, Ordered };

struct TJPEGOptions {
    TNumOfColors NumOfColors = TNumOfColors::_256;
    TDCTMethod DCTMethod = TDCTMethod::Integ;
    TDither Dither = TDither::FS;
    bool FastProcessing = false;
    bool GrayScale = false;
    bool NoSmooth = false;
    bool OnePass = false;

    bool operator==(const TJPEGOptions&) const = default;
};

// What a crafted file may cost at most; a real photo stays far below both.
struct TJPEGLimits {
    long maxMemory = 512L * 1024 * 1024;
    int maxScans = 256;
};
