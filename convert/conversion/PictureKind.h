#pragma once

#include <string>

enum class TPictureKind { Unknown, Jpeg, Gif };

// The extension of a path: from its last "." to the end, unless a folder separator follows that
// dot (then there is none), upper-cased in ASCII only.
std::string pictureExtension(const std::string& path);
TPictureKind pictureKindOf(const std::string& path);
