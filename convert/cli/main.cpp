// zentrel-convert INPUT OUTPUT: writes OUTPUT exactly as the converter window saves INPUT.
#include "convert/cli/ConvertCommand.h"

#include <iostream>

int main(int argc, char** argv)
{
    return runConvertCommand(argc, argv, std::cerr);
}
