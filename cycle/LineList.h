#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A text file held as its lines, without line ends. Lines are 8-bit bytes, never re-encoded.
using LineList = std::vector<std::string>;

// Replaces `lines` with the file's lines. CR LF, CR alone and LF alone end a line; a NUL ends the
// text. Throws Exception("Cannot open file %s") and leaves `lines` as it was when the file can't be read.
void readLineList(const std::string& path, LineList& lines);

// Writes every line followed by CR LF, atomically (temporary file, then rename).
// Throws Exception("Cannot create file %s").
void writeLineList(const std::string& path, const LineList& lines);

// The same, with `tail` written as it is after the last line.
void writeLineList(const std::string& path, const LineList& lines, std::string_view tail);

// The file's bytes from its first NUL to its end: what reading it as a line list leaves out.
// Empty when it holds no NUL or can't be read.
std::string bytesFromNul(const std::string& path);

// Indices of the lines whose first `length` characters, ASCII upper-cased, equal `key`.
std::vector<std::size_t> findLinesByPrefix(const LineList& lines, std::size_t length, std::string_view key);
