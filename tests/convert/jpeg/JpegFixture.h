#pragma once

#include <string>
#include <vector>

// JPEG files made on the spot with libjpeg's compressor, so tests need no sample pictures.
struct JpegRecipe {
    int width = 96;
    int height = 64;
    enum Colors { Rgb, Grey, Cmyk, Ycck } colors = Rgb;
    bool progressive = false;
    int hSampling = 2; // of the first component; 1x1 means no subsampling
    int vSampling = 2;
    int restartRows = 0;
    int densityUnit = 1;
    int xDensity = 72;
    int yDensity = 72;
    int quality = 85;
};

std::vector<unsigned char> makeJpeg(const JpegRecipe& recipe);
void writeBytes(const std::string& path, const std::vector<unsigned char>& bytes);
std::vector<unsigned char> readBytes(const std::string& path);
