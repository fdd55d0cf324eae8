#pragma once

#include <optional>
#include <string>

// Whether a chosen bitmap may become a start-up logo: 320 x 400 pixels in a file of more than
// 120000 and fewer than 140000 bytes, which is where an uncompressed 256-colour bitmap of that size
// falls while the same picture in 16 colours or true colour falls outside. Returns the message that
// refuses the file, or nothing when it passes. The size is measured and the picture loaded before
// anything is judged, so a file that can't be opened or is no picture throws its own error.
std::optional<std::string> checkLogoFile(const std::string& path);
