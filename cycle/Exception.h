#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// Every failure the user is told about is an Exception carrying the message the error box shows
// (the box appends the full stop). The named decoder and player errors derive from it.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The messages are written with one "%s" for the file or value name, as the user sees them.
std::string formatMessage(std::string_view pattern, std::string_view argument);
