#pragma once

#include "cycle/BlockAllocator.h"
#include "cycle/LineList.h"

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// Lines held the way a line file stores them: one block of bytes in which every line is followed by
// CR LF, and beside it the offset at which each line's CR LF ends. A list of 100,000 paths is two
// allocations instead of 100,000, a well-formed file becomes the block as it was read, and the
// block is written back in one piece. Lines are 8-bit bytes, never re-encoded. Editing moves the
// bytes after the edited line, so every change costs at most linear time.
class LineBlock {
public:
    using Bytes = std::vector<char, BlockAllocator<char>>;

    LineBlock() = default;
    explicit LineBlock(const LineList& lines);

    std::size_t size() const { return m_ends.size(); }
    bool empty() const { return m_ends.empty(); }
    std::string_view at(std::size_t row) const;
    // Every line followed by CR LF: the contents of the line file.
    std::string_view text() const { return { m_bytes.data(), m_bytes.size() }; }
    LineList lines() const;

    // Puts the lines, in the given order, in front of `row` (row == size() appends).
    void insert(std::size_t row, const std::vector<std::string>& lines);
    void insert(std::size_t row, std::size_t count, std::string_view line);
    void insert(std::size_t row, const LineBlock& lines);
    void erase(std::size_t row, std::size_t count = 1);
    void replace(std::size_t row, std::string_view line);
    // Drops lines at the end, or appends copies of `line`, until `count` lines are left.
    void resize(std::size_t count, std::string_view line);
    void clear();

    friend bool operator==(const LineBlock& block, const LineList& lines);
    friend std::ostream& operator<<(std::ostream& out, const LineBlock& block);

private:
    using Offset = std::uint32_t;

    std::size_t startOf(std::size_t row) const { return row == 0 ? 0 : m_ends[row - 1]; }
    friend void readLineFile(const std::string& path, LineBlock& lines, bool* textAfterNul);

    // How far the splitting of a file's text has come.
    struct Split {
        std::size_t at = 0; // where the next line starts in the text read
        std::size_t expectedBytes = 0;
        bool copying = false;
        Bytes copy;
    };
    bool splitLines(Bytes& text, std::size_t available, bool more, Split& split);
    void endLine(std::size_t at);
    void reserveLines(std::size_t pieceBytes, std::size_t expectedBytes);
    void append(std::string_view line);
    // Replaces `removedLines` lines from `row` on with the lines of `added`.
    void splice(std::size_t row, std::size_t removedLines, const LineBlock& added);

    Bytes m_bytes;
    std::vector<Offset> m_ends;
};

// Replaces `lines` with the file's lines, split as a line file is read: CR LF, CR alone and LF alone
// end a line, a NUL ends the text, and a line end at the very end adds no empty line. Throws
// Exception("Cannot open file %s") and leaves `lines` as it was when the file can't be read.
void readLineBlock(const std::string& path, LineBlock& lines);

// The same, and says whether the file goes on after the NUL that ended its text with bytes other
// than NULs: bytes the lines leave out, which writing the lines back would lose.
void readLineBlock(const std::string& path, LineBlock& lines, bool& textAfterNul);

// Writes the block as the file's whole contents, atomically. Throws Exception("Cannot create file %s").
void writeLineBlock(const std::string& path, const LineBlock& lines);
