#include "convert/cli/ConvertCommand.h"

#include "convert/cli/BatchConversion.h"
#include "convert/cli/WorkerPool.h"
#include "convert/conversion/PictureFile.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <ostream>
#include <system_error>
#include <vector>

const char* const convertUsage
    = "Usage: zentrel-convert INPUT OUTPUT\n"
      "       zentrel-convert --to FOLDER INPUT...\n"
      "       zentrel-convert --help | --version\n"
      "Converts the JPEG or GIF picture INPUT (.jpg, .jpeg or .gif) into the 8-bit Windows bitmap\n"
      "OUTPUT, as the converter window saves it. With --to, converts each INPUT into FOLDER/<name>.bmp,\n"
      "<name> being INPUT's file name without its extension, several at a time, and prints one line\n"
      "for each INPUT that fails.\n";

namespace {

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

// The error box's text: the message and a full stop, always.
void printFailure(std::ostream& errors, const std::string& message)
{
    errors << oneLine(message) << ".\n";
}

int convertOne(const std::string& input, const std::string& output, std::ostream& errors)
{
    try {
        convertPicture(input, output);
        return 0;
    } catch (const std::bad_alloc&) {
        printFailure(errors, "Out of memory");
    } catch (const std::exception& error) {
        printFailure(errors, error.what());
    }
    return 1;
}

int convertMany(const std::string& folder, const std::vector<std::string>& inputs, std::ostream& errors)
{
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        printFailure(errors, "Cannot convert into " + folder + ": there is no such folder");
        return 1;
    }
    int failures = convertIntoFolder(
        folder, inputs, processorCount(), [&errors](const std::string& input, const std::string& message) {
            printFailure(errors, input + ": " + message);
            errors.flush();
        });
    return failures == 0 ? 0 : 1;
}

} // namespace

int runConvertCommand(int argc, const char* const* argv, std::ostream& errors)
{
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    if (arguments.size() >= 3 && arguments[0] == "--to")
        return convertMany(arguments[1], { arguments.begin() + 2, arguments.end() }, errors);
    if (arguments.size() == 2 && arguments[0] != "--to")
        return convertOne(arguments[0], arguments[1], errors);
    errors << convertUsage;
    return 2;
}
