#include "cycle/AsciiCase.h"

char upperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string upperAscii(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = upperAscii(c);
    return upper;
}
