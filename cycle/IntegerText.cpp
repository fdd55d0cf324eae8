#include "cycle/IntegerText.h"

#include "cycle/Exception.h"

#include <cstdint>
#include <limits>

namespace {

int digitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value;
}

} // namespace

int integerFromText(const std::string& text)
{
    auto invalid = [&text] { return Exception(formatMessage("'%s' is not a valid integer value", text)); };

    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ')
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    int base = 10;
    if (at < text.size() && text[at] == '$') {
        base = 16;
        ++at;
    }
    if (at == text.size())
        throw invalid();

    // One more than the largest magnitude so that the most negative value still fits.
    const std::int64_t limit = std::int64_t { std::numeric_limits<int>::max() } + (negative ? 1 : 0);
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        int digit = digitValue(text[at], base);
        if (digit < 0)
            throw invalid();
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            throw invalid();
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}
