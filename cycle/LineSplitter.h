#pragma once

#include "cycle/LineList.h"

#include <string>
#include <string_view>

// Cuts text that arrives in pieces into lines: CR LF, CR alone and LF alone end a line, a NUL ends
// the text, and a line end at the very end adds no empty line. A CR LF pair or a line may be split
// across two pieces.
class LineSplitter {
public:
    // The size of the whole text, when known, lets the list be sized once from the first piece
    // that holds a line.
    void expect(std::size_t totalBytes) { m_expectedBytes = totalBytes; }

    void feed(std::string_view piece);

    // True once a NUL has been met: nothing after it counts.
    bool ended() const { return m_ended; }

    // The lines, the last one included even without a line end.
    LineList finish();

private:
    void endLine(const char* from, const char* to);

    LineList m_lines;
    std::string m_pending; // the start of a line that the previous piece did not end
    bool m_skipLf = false; // the previous piece ended with a CR
    bool m_ended = false;
    std::size_t m_expectedBytes = 0;
};
