#include "cycle/LineSplitter.h"

#include <algorithm>
#include <cstring>

namespace {

const char* find(const char* from, const char* to, char c)
{
    const void* at = std::memchr(from, c, static_cast<std::size_t>(to - from));
    return at ? static_cast<const char*>(at) : to;
}

} // namespace

void LineSplitter::endLine(const char* from, const char* to)
{
    if (m_pending.empty()) {
        m_lines.emplace_back(from, to);
        return;
    }
    m_pending.append(from, to);
    m_lines.push_back(std::move(m_pending));
    m_pending.clear();
}

// memchr looks at many bytes at a time; remembering where the next LF is keeps a file of CR-only
// line ends linear.
void LineSplitter::feed(std::string_view piece)
{
    if (m_ended || piece.empty())
        return;
    const char* at = piece.data();
    const char* end = at + piece.size();
    if (m_skipLf && *at == '\n')
        ++at;
    m_skipLf = false;
    if (const char* nul = find(at, end, '\0'); nul != end) {
        end = nul;
        m_ended = true;
    }

    const char* lf = at;
    while (at < end) {
        if (lf < at || (lf == at && *lf != '\n'))
            lf = find(at, end, '\n');
        const char* cr = find(at, lf, '\r');
        const char* lineEnd = cr < lf ? cr : lf;
        if (lineEnd == end) {
            m_pending.append(at, end);
            break;
        }
        endLine(at, lineEnd);
        at = lineEnd + 1;
        if (*lineEnd == '\r') {
            if (at == end)
                m_skipLf = true;
            else if (*at == '\n')
                ++at;
        }
    }
    if (m_expectedBytes > piece.size() && !m_lines.empty()) {
        // A little over the estimate, so that a file of slightly shorter lines needs no regrowth.
        auto estimate = m_expectedBytes / piece.size() * m_lines.size() * 9 / 8;
        m_lines.reserve(std::min(estimate, m_expectedBytes / 2 + 1));
        m_expectedBytes = 0;
    }
}

LineList LineSplitter::finish()
{
    if (!m_pending.empty())
        m_lines.push_back(std::move(m_pending));
    m_pending.clear();
    return std::move(m_lines);
}
