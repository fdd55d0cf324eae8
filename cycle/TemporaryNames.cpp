#include "cycle/StaleTemporaries.h"

#include <atomic>
#include <charconv>
#include <string_view>

namespace {

bool allDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace

std::string temporaryFileName(const std::string& name, pid_t pid, unsigned number)
{
    return "." + name + ".tmp" + std::to_string(pid) + "-" + std::to_string(number);
}

unsigned nextTemporaryNumber()
{
    static std::atomic<unsigned> counter { 0 };
    return counter++;
}

pid_t writerOfTemporary(const std::string& name)
{
    std::string_view rest(name);
    auto marker = rest.rfind(".tmp");
    if (rest.size() < 2 || rest.front() != '.' || marker == std::string_view::npos || marker < 2)
        return 0;
    rest.remove_prefix(marker + 4);
    auto dash = rest.find('-');
    if (dash == std::string_view::npos || !allDigits(rest.substr(0, dash)) || !allDigits(rest.substr(dash + 1)))
        return 0;
    pid_t pid = 0;
    auto [end, error] = std::from_chars(rest.data(), rest.data() + dash, pid);
    if (error != std::errc() || end != rest.data() + dash)
        return 0;
    return pid;
}
