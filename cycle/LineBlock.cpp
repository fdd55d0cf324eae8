#include "cycle/LineBlock.h"

#include "cycle/AtomicFileWriter.h"
#include "cycle/ENotEnoughMemory.h"
#include "cycle/Exception.h"
#include "cycle/RegularFile.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr std::size_t largestBlock = std::numeric_limits<std::uint32_t>::max();

void checkBlockSize(std::size_t bytes)
{
    if (bytes > largestBlock)
        throw std::length_error("LineBlock");
}

bool endsLine(char c)
{
    return c == '\r' || c == '\n' || c == '\0';
}

// The first CR, LF or NUL at or after `at`; text[length] must be a NUL. Many bytes are tested at a
// time for one below 14, the three line ends among them; in a list of paths almost every group has
// none. The first flagged byte is found from the mask without a loop; a tab or another control byte
// among them is stepped over.
std::size_t findLineEnd(const char* text, std::size_t at, std::size_t length)
{
#if defined(__SSE2__)
    const __m128i highestFlagged = _mm_set1_epi8(13);
    while (at + 16 <= length) {
        __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at));
        auto below14
            = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(bytes, highestFlagged), bytes)));
        if (below14 == 0) {
            at += 16;
            continue;
        }
        at += static_cast<std::size_t>(std::countr_zero(below14));
        if (endsLine(text[at]))
            return at;
        ++at;
    }
#else
    constexpr std::uint64_t ones = 0x0101010101010101, highs = 0x8080808080808080;
    if constexpr (std::endian::native == std::endian::little) {
        while (at + 8 <= length) {
            std::uint64_t word;
            std::memcpy(&word, text + at, 8);
            // Exact for the lowest flagged byte: a borrow only runs towards the higher ones.
            std::uint64_t below14 = (word - 14 * ones) & ~word & highs;
            if (below14 == 0) {
                at += 8;
                continue;
            }
            at += static_cast<std::size_t>(std::countr_zero(below14)) / 8;
            if (endsLine(text[at]))
                return at;
            ++at;
        }
    }
#endif
    while (!endsLine(text[at]))
        ++at;
    return at;
}

// Whether anything but NULs follows the file's first NUL. Read apart from the lines, since their
// splitting overwrites the NUL; only a file that holds one is read this way.
bool holdsTextAfterNul(int fd)
{
    constexpr std::size_t pieceSize = 64 * 1024;
    std::vector<char> piece(pieceSize);
    bool nulSeen = false;
    for (off_t offset = 0;;) {
        ssize_t got = ::pread(fd, piece.data(), pieceSize, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        offset += got;
        auto from = piece.begin(), to = piece.begin() + got;
        if (!nulSeen) {
            from = std::find(from, to, '\0');
            nulSeen = from != to;
        }
        if (nulSeen && std::find_if(from, to, [](char c) { return c != '\0'; }) != to)
            return true;
    }
}

template <typename Vector> void makeRoom(Vector& vector, std::size_t size)
{
    if (size > vector.capacity())
        vector.reserve(std::max(size, vector.capacity() + vector.capacity() / 2));
}

void appendLine(LineBlock::Bytes& bytes, std::string_view line)
{
    bytes.insert(bytes.end(), line.begin(), line.end());
    bytes.push_back('\r');
    bytes.push_back('\n');
}

} // namespace

LineBlock::LineBlock(const LineList& lines)
{
    insert(0, lines);
}

void LineBlock::endLine(std::size_t at)
{
    m_ends.push_back(static_cast<Offset>(at));
}

// A little over the estimate from the first piece, so that the offsets are allocated once.
void LineBlock::reserveLines(std::size_t pieceBytes, std::size_t expectedBytes)
{
    if (pieceBytes < expectedBytes && m_ends.size() > 0)
        m_ends.reserve(expectedBytes / pieceBytes * m_ends.size() * 9 / 8 + 64);
}

// Ends the lines that are complete in text[split.at, available); text[available] must be a NUL. With
// more text to come, a line without its end, or a CR that LF may follow, waits for it. Returns false
// once a NUL has ended the text. While every line ends in CR LF the text stays where it was read;
// the first other line end starts a copy, since LF alone becoming CR LF makes the text longer than
// the bytes it was read into.
bool LineBlock::splitLines(Bytes& text, std::size_t available, bool more, Split& split)
{
    std::size_t& at = split.at;
    while (at < available) {
        std::size_t stop = findLineEnd(text.data(), at, available);
        if (!split.copying && text[stop] == '\r' && text[stop + 1] == '\n' && stop + 1 < available) {
            endLine(stop + 2);
            at = stop + 2;
            continue;
        }
        if (more && (stop == available || (text[stop] == '\r' && stop + 1 == available)))
            return true;
        if (stop == available || text[stop] == '\0') {
            if (stop > at) {
                if (split.copying) {
                    appendLine(split.copy, { text.data() + at, stop - at });
                    endLine(split.copy.size());
                } else {
                    text[stop] = '\r';
                    text[stop + 1] = '\n';
                    endLine(stop + 2);
                    at = stop + 2;
                }
            }
            return false;
        }
        bool crLf = text[stop] == '\r' && text[stop + 1] == '\n';
        if (!crLf && !split.copying) {
            split.copying = true;
            split.copy.reserve(split.expectedBytes + split.expectedBytes / 8 + 3);
            split.copy.assign(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at));
        }
        if (split.copying) {
            checkBlockSize(split.copy.size() + (stop - at) + 2);
            appendLine(split.copy, { text.data() + at, stop - at });
            endLine(split.copy.size());
        } else {
            endLine(stop + 2);
        }
        at = stop + (crLf ? 2 : 1);
    }
    return true;
}

std::string_view LineBlock::at(std::size_t row) const
{
    if (row >= m_ends.size())
        throw std::out_of_range("LineBlock::at");
    std::size_t start = startOf(row);
    return { m_bytes.data() + start, m_ends[row] - 2 - start };
}

LineList LineBlock::lines() const
{
    LineList result;
    result.reserve(size());
    for (std::size_t row = 0; row < size(); ++row)
        result.emplace_back(at(row));
    return result;
}

void LineBlock::append(std::string_view line)
{
    checkBlockSize(m_bytes.size() + line.size() + 2);
    appendLine(m_bytes, line);
    endLine(m_bytes.size());
}

void LineBlock::splice(std::size_t row, std::size_t removedLines, const LineBlock& added)
{
    if (row + removedLines > size())
        throw std::out_of_range("LineBlock");
    std::size_t from = startOf(row), to = startOf(row + removedLines);
    std::size_t newSize = m_bytes.size() - (to - from) + added.m_bytes.size();
    checkBlockSize(newSize);
    // Whatever can fail happens before the first change: the block stays whole if memory runs out.
    makeRoom(m_bytes, newSize);
    makeRoom(m_ends, m_ends.size() - removedLines + added.size());
    m_bytes.erase(
        m_bytes.begin() + static_cast<std::ptrdiff_t>(from), m_bytes.begin() + static_cast<std::ptrdiff_t>(to));
    m_bytes.insert(m_bytes.begin() + static_cast<std::ptrdiff_t>(from), added.m_bytes.begin(), added.m_bytes.end());

    auto firstEnd = m_ends.begin() + static_cast<std::ptrdiff_t>(row);
    firstEnd = m_ends.erase(firstEnd, firstEnd + static_cast<std::ptrdiff_t>(removedLines));
    firstEnd = m_ends.insert(firstEnd, added.m_ends.begin(), added.m_ends.end());
    auto followers = firstEnd + static_cast<std::ptrdiff_t>(added.size());
    for (auto end = firstEnd; end != followers; ++end)
        *end += static_cast<Offset>(from);
    // Unsigned arithmetic wraps, so a shrinking block moves the later ends back as well.
    auto shift = static_cast<Offset>(added.m_bytes.size() - (to - from));
    for (auto end = followers; end != m_ends.end(); ++end)
        *end += shift;
}

void LineBlock::insert(std::size_t row, const std::vector<std::string>& lines)
{
    if (row > size())
        throw std::out_of_range("LineBlock::insert");
    LineBlock added;
    for (const std::string& line : lines)
        added.append(line);
    splice(row, 0, added);
}

void LineBlock::insert(std::size_t row, std::size_t count, std::string_view line)
{
    if (row > size())
        throw std::out_of_range("LineBlock::insert");
    LineBlock added;
    added.resize(count, line);
    splice(row, 0, added);
}

void LineBlock::insert(std::size_t row, const LineBlock& lines)
{
    if (row > size())
        throw std::out_of_range("LineBlock::insert");
    splice(row, 0, lines);
}

void LineBlock::erase(std::size_t row, std::size_t count)
{
    if (row > size() || count > size() - row)
        throw std::out_of_range("LineBlock::erase");
    splice(row, count, {});
}

void LineBlock::replace(std::size_t row, std::string_view line)
{
    if (row >= size())
        throw std::out_of_range("LineBlock::replace");
    LineBlock added;
    added.append(line);
    splice(row, 1, added);
}

void LineBlock::resize(std::size_t count, std::string_view line)
{
    if (count <= size()) {
        m_bytes.resize(startOf(count));
        m_ends.resize(count);
        return;
    }
    checkBlockSize(m_bytes.size() + (count - size()) * (line.size() + 2));
    m_bytes.reserve(m_bytes.size() + (count - size()) * (line.size() + 2));
    m_ends.reserve(count);
    while (size() < count)
        append(line);
}

void LineBlock::clear()
{
    m_bytes.clear();
    m_ends.clear();
}

bool operator==(const LineBlock& block, const LineList& lines)
{
    if (block.size() != lines.size())
        return false;
    for (std::size_t row = 0; row < lines.size(); ++row) {
        if (block.at(row) != lines[row])
            return false;
    }
    return true;
}

std::ostream& operator<<(std::ostream& out, const LineBlock& block)
{
    out << '{';
    for (std::size_t row = 0; row < block.size(); ++row)
        out << (row ? ", \"" : " \"") << block.at(row) << '"';
    return out << " }";
}

// The text is split piece by piece as it arrives, while the piece is still in the processor's cache.
void readLineFile(const std::string& path, LineBlock& lines, bool* textAfterNul)
{
    struct stat status { };
    FileDescriptor file = openRegularFile(path, status);
    if (!file.isOpen())
        throw Exception(formatMessage("Cannot open file %s", path));
    try {
        LineBlock block;
        LineBlock::Split split;
        // The size is only a hint: a file that grows or shrinks while being read is read to its end.
        split.expectedBytes = static_cast<std::size_t>(std::max<off_t>(status.st_size, 0));
        LineBlock::Bytes text(split.expectedBytes + 4);
        preparePages(text.data(), text.size());
        constexpr std::size_t pieceSize = 256 * 1024;
        std::size_t filled = 0;
        bool more = true;
        while (more) {
            if (text.size() - filled <= 3)
                text.resize(text.size() * 2 + 4096);
            ssize_t got = ::read(file.get(), text.data() + filled, std::min(pieceSize, text.size() - 3 - filled));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                throw Exception(formatMessage("Cannot open file %s", path));
            more = got > 0;
            filled += static_cast<std::size_t>(got);
            checkBlockSize(2 * filled + 2);
            text[filled] = '\0';
            if (!block.splitLines(text, filled, more, split))
                break;
            if (filled == static_cast<std::size_t>(got))
                block.reserveLines(filled, split.expectedBytes);
        }
        // Only a NUL stops the splitting while there is more to read.
        if (textAfterNul)
            *textAfterNul = more && holdsTextAfterNul(file.get());
        if (split.copying) {
            block.m_bytes = std::move(split.copy);
        } else {
            text.resize(split.at);
            block.m_bytes = std::move(text);
        }
        lines = std::move(block);
    } catch (const std::length_error&) {
        throw Exception(formatMessage("Cannot open file %s", path));
    } catch (const std::bad_alloc&) {
        throw ENotEnoughMemory::toRead(path);
    }
}

void readLineBlock(const std::string& path, LineBlock& lines)
{
    readLineFile(path, lines, nullptr);
}

void readLineBlock(const std::string& path, LineBlock& lines, bool& textAfterNul)
{
    readLineFile(path, lines, &textAfterNul);
}

void writeLineBlock(const std::string& path, const LineBlock& lines)
{
    AtomicFileWriter file(path);
    file.write(lines.text());
    file.commit();
}
