#include "convert/cli/BatchConversion.h"

#include "convert/cli/WorkerPool.h"
#include "convert/conversion/PictureFile.h"

#include <filesystem>
#include <map>
#include <mutex>
#include <new>
#include <optional>

namespace {

// Passes on failures in input order while conversions finish in any order.
class OrderedReport {
public:
    OrderedReport(const std::vector<std::string>& inputs, const ReportFailure& report)
        : inputs(inputs)
        , report(report)
        , outcomes(inputs.size())
    {
    }

    void finished(std::size_t index, std::optional<std::string> failure)
    {
        std::lock_guard<std::mutex> lock(mutex);
        outcomes[index] = Outcome { true, std::move(failure) };
        for (; reported < outcomes.size() && outcomes[reported].done; ++reported)
            if (outcomes[reported].failure) {
                ++failures;
                report(inputs[reported], *outcomes[reported].failure);
            }
    }

    int failureCount() const { return failures; }

private:
    struct Outcome {
        bool done = false;
        std::optional<std::string> failure;
    };

    const std::vector<std::string>& inputs;
    const ReportFailure& report;
    std::vector<Outcome> outcomes;
    std::size_t reported = 0;
    int failures = 0;
    std::mutex mutex;
};

std::optional<std::string> failureOf(const std::string& input, const std::string& output)
{
    try {
        convertPicture(input, output);
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return "Out of memory";
    } catch (const std::exception& error) {
        return error.what();
    }
}

} // namespace

std::string bitmapPathIn(const std::string& folder, const std::string& input)
{
    const std::filesystem::path name = std::filesystem::path(input).stem();
    return (std::filesystem::path(folder) / name).string() + ".bmp";
}

int convertIntoFolder(
    const std::string& folder, const std::vector<std::string>& inputs, unsigned workers, const ReportFailure& report)
{
    std::vector<std::string> outputs;
    std::vector<std::size_t> firstWithOutput;
    std::map<std::string, std::size_t> firstInputOf;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        outputs.push_back(bitmapPathIn(folder, inputs[i]));
        firstWithOutput.push_back(firstInputOf.emplace(outputs.back(), i).first->second);
    }
    OrderedReport ordered(inputs, report);
    runOnWorkers(inputs.size(), workers, [&](std::size_t i) {
        const std::size_t first = firstWithOutput[i];
        if (first != i)
            ordered.finished(
                i, "Cannot convert " + inputs[i] + ": " + outputs[i] + " is already made from " + inputs[first]);
        else
            ordered.finished(i, failureOf(inputs[i], outputs[i]));
    });
    return ordered.failureCount();
}
