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

// A terminal shows a message's line break as a new line, whose second half alone says nothing; so
// each break, with the spaces around it, becomes one space.
std::string oneLine(const std::string& message)
{
    std::string line;
    for (std::size_t at = 0; at < message.size(); ++at) {
        if (message[at] != '\r' && message[at] != '\n') {
            line += message[at];
            continue;
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        while (
            at + 1 < message.size() && (message[at + 1] == '\r' || message[at + 1] == '\n' || message[at + 1] == ' '))
            ++at;
        line += ' ';
    }
    return line;
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
        errors << oneLine(error.what()) << ".\n";
    }
    return 1;
}
