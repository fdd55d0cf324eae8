// Writes the fuzz target's seed corpus: small JPEGs of each kind the decoder meets.
#include "convert/jpeg/JpegFixture.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "Usage: fuzz_jpeg_seeds FOLDER\n";
        return 2;
    }
    std::string folder = std::string(argv[1]) + "/";
    writeBytes(folder + "colour.jpg", makeJpeg({ .width = 24, .height = 16, .quality = 50 }));
    writeBytes(folder + "grey.jpg", makeJpeg({ .width = 16, .height = 16, .colors = JpegRecipe::Grey }));
    writeBytes(folder + "progressive.jpg", makeJpeg({ .width = 20, .height = 12, .progressive = true }));
    writeBytes(folder + "restarts.jpg", makeJpeg({ .width = 32, .height = 24, .restartRows = 1 }));
    writeBytes(folder + "444.jpg", makeJpeg({ .width = 9, .height = 7, .hSampling = 1, .vSampling = 1 }));
    writeBytes(folder + "422.jpg", makeJpeg({ .width = 17, .height = 9, .hSampling = 2, .vSampling = 1 }));
    writeBytes(folder + "cmyk.jpg", makeJpeg({ .width = 8, .height = 8, .colors = JpegRecipe::Cmyk }));
    writeBytes(folder + "dpcm.jpg", makeJpeg({ .width = 8, .height = 8, .densityUnit = 2, .xDensity = 38 }));
    return 0;
}
