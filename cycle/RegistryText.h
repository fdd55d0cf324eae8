#pragma once

#include "cycle/Registry.h"

#include <optional>
#include <string>
#include <string_view>

// The pieces of REGEDIT4 text: quoted names and strings with "\\" and "\"" escaped, and value data.
namespace RegistryText {

// Lower-cases ASCII letters only; key and value names are compared this way.
std::string folded(std::string_view text);

// "text" with backslashes and quotes escaped.
std::string quoted(std::string_view text);

// Reads a quoted string at the start of `text`; on success removes it from `text` and returns the
// unescaped content.
std::optional<std::string> takeQuoted(std::string_view& text);

// What a value line's data (everything after "=", continuation lines joined) holds, or nullopt
// when it does not parse. `continued` lines of hex data have had their "\" and line end removed.
std::optional<RegistryValue> parseData(std::string_view data);

// The line that sets a plain string value; an empty name is the key's default value "@".
std::string stringValueLine(std::string_view name, std::string_view text);

} // namespace RegistryText
