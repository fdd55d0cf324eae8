// zentrel-convert INPUT OUTPUT, or --to FOLDER INPUT...: bitmaps exactly as the converter window saves them.
#include "convert/cli/ConvertCommand.h"

#include <iostream>

int main(int argc, char** argv)
{
    return runConvertCommand(argc, argv, std::cerr);
}
