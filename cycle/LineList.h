#pragma once

#include <cstddef>
#include <functional>
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

// For a file that other programs may edit at the same moment (win.ini, system.ini): reads it,
// lets `change` edit its lines, and writes them back with the bytes from its NUL on, replacing the
// file only while it still holds what was read. A file that moved meanwhile is read and edited
// again, a few times at most. `lines` gets the lines as written. Throws "Cannot open file %s",
// what `change` throws (nothing is written then), "Cannot create file %s", and "%s kept changing
// while it was being written" when another program's saves kept overtaking this one.
void editLineList(const std::string& path, LineList& lines, const std::function<void(LineList&)>& change);

// The file's bytes from its first NUL to its end: what reading it as a line list leaves out.
// Empty when it holds no NUL or can't be read.
std::string bytesFromNul(const std::string& path);

// Indices of the lines whose first `length` characters, ASCII upper-cased, equal `key`.
std::vector<std::size_t> findLinesByPrefix(const LineList& lines, std::size_t length, std::string_view key);
