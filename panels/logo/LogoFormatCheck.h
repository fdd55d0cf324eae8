#pragma once

#include "panels/logo/LogoBitmap.h"

#include <optional>
#include <string>

// Whether a bitmap may become a start-up logo: 320 x 400 pixels at 8 bits in a file of more than
// 120000 and fewer than 140000 bytes, which is where an uncompressed 256-colour bitmap of that size
// falls while the same picture in 16 colours or true colour falls outside. Returns the message that
// refuses the file, or nothing when it passes. The file is measured and its header read first, so
// a file that can't be opened or is no bitmap throws its own error, and a header that lies about
// the picture is refused before a pixel is decoded. A file that passes must then decode whole.
std::optional<std::string> checkLogoFile(const std::string& path);

// The picture of a file that passes the check; throws the check's message (or the file's own
// error) otherwise. What the logo is written from, so a hand-edited list can't put a damaged or
// oversized picture into the logo file.
LogoBitmap readCheckedLogo(const std::string& path);
