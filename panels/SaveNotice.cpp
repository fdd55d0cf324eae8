#include "panels/SaveNotice.h"

#include "cycle/CycleModule.h"
#include "cycle/IntegerText.h"

#include <exception>
#include <string_view>

namespace {

// Lists may hold Windows paths as well as the dialogs' own.
std::string_view fileName(std::string_view path)
{
    std::size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

// The wallpaper's tiling flag; other modules keep none.
std::string flagWords(const std::string& flag)
{
    if (flag == "t")
        return " (tiled)";
    if (flag == "f")
        return " (centred)";
    return "";
}

// The next position as the Save left it; a text that names no entry names none here either.
std::string nextWords(const CycleModule& module, std::size_t which)
{
    int next = 0;
    try {
        next = integerFromText(module.settings().next(which));
    } catch (const std::exception&) {
        return "";
    }
    const CycleList& list = module.list(which);
    if (next < 1 || static_cast<std::size_t>(next) > list.size())
        return "";
    return ". Next: " + std::string(fileName(list.at(static_cast<std::size_t>(next) - 1)));
}

} // namespace

std::string saveNotice(const CycleModule& module, const std::vector<std::string>& listWords)
{
    std::string notice;
    for (std::size_t which = 0; which < module.listCount() && which < listWords.size(); ++which) {
        const std::optional<AppliedEntry>& applied = module.lastApplied(which);
        // An empty entry sets nothing.
        if (!applied || applied->path.empty())
            continue;
        if (!notice.empty())
            notice += "\n";
        notice += listWords[which] + ": " + std::string(fileName(applied->path)) + flagWords(applied->flag)
            + nextWords(module, which);
    }
    return notice;
}
