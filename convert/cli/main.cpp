// zentrel-convert INPUT OUTPUT, or --to FOLDER INPUT...: bitmaps exactly as the converter window saves them.
#include "convert/cli/ConvertCommand.h"

#include <iostream>
#include <string_view>

int main(int argc, char** argv)
{
    if (argc == 2 && argv[1] == std::string_view("--help")) {
        std::cout << convertUsage;
        return 0;
    }
    if (argc == 2 && argv[1] == std::string_view("--version")) {
        std::cout << "zentrel-convert 2.0\n";
        return 0;
    }
    return runConvertCommand(argc, argv, std::cerr);
}
