#pragma once

#include <string>
#include <vector>

// The bitmap file the converter window would save for the JPEG or GIF picture at `path`: the JPEG
// decoded with the window's options, or the first image of the GIF. Throws an Exception with the
// message the window's error box shows; any other extension fails with "Cannot convert ...".
std::vector<unsigned char> pictureAsBitmap(const std::string& path);

// Writes pictureAsBitmap(input) to `output`, replacing it whole or leaving it untouched.
void convertPicture(const std::string& input, const std::string& output);
