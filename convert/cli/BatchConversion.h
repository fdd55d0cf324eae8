#pragma once

#include <functional>
#include <string>
#include <vector>

// Converts each input picture into `folder` as <name>.bmp, <name> being the input's file name
// without its extension, with up to `workers` conversions at a time. Each failure is reported once,
// in the order of the inputs, as soon as every earlier input has finished; a failed input leaves no
// bitmap. Two inputs of the same name would write one bitmap: the later one fails instead.
// Returns the number of failures.
using ReportFailure = std::function<void(const std::string& input, const std::string& message)>;
int convertIntoFolder(
    const std::string& folder, const std::vector<std::string>& inputs, unsigned workers, const ReportFailure& report);

// Where convertIntoFolder writes the bitmap of `input`.
std::string bitmapPathIn(const std::string& folder, const std::string& input);
