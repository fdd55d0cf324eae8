#include "convert/cli/ConvertCommand.h"

#include "convert/conversion/TPictureConverter.h"
#include "cycle/Exception.h"

#include <ostream>

namespace {

constexpr const char* usage = "Usage: zentrel-convert INPUT OUTPUT\n"
                              "Converts the JPEG or GIF picture INPUT (.jpg, .jpeg or .gif) into the 8-bit\n"
                              "Windows bitmap OUTPUT, as the converter window saves it.\n";

void convert(const std::string& input, const std::string& output)
{
    if (pictureKindOf(input) == TPictureKind::Unknown)
        throw Exception(formatMessage("Cannot convert %s: only .jpg, .jpeg and .gif pictures are read", input));
    TPictureConverter converter;
    converter.loadFile(input);
    if (!converter.saveFile(output))
        throw Exception(formatMessage("Cannot convert %s: it holds no picture", input));
}

} // namespace

int runConvertCommand(int argc, const char* const* argv, std::ostream& errors)
{
    if (argc != 3) {
        errors << usage;
        return 2;
    }
    try {
        convert(argv[1], argv[2]);
        return 0;
    } catch (const std::bad_alloc&) {
        errors << "Out of memory.\n";
    } catch (const std::exception& error) {
        // The error box's text: the message and a full stop, always.
        errors << error.what() << ".\n";
    }
    return 1;
}
