#include "desktop/DesktopTool.h"

#include "cycle/Exception.h"

std::string runDesktopTool(CommandRunner& runner, const std::string& program, const std::vector<std::string>& arguments,
    const std::string& failure)
{
    CommandRunner::Result result = runner.run(program, arguments);
    if (!result.started)
        throw Exception(formatMessage("%s cannot be run", program));
    if (result.timedOut)
        throw Exception(
            program + " did not answer within " + std::to_string(CommandRunner::patienceSeconds) + " seconds");
    if (result.exitCode != 0)
        throw Exception(failure);
    return result.output;
}
