#pragma once

#include "shell/skin/TWindowGeometry.h"

#include <QImage>
#include <string>
#include <vector>

// Paints a skinned window's background from its geometry table: the textured face, the title
// strip, the wells under the buttons and lists, the painted labels and the module's emblem.
// At scale 2 the picture has twice the pixels and the same layout in the table's pixels.
QImage paintBackground(const TWindowGeometry& window, int scale = 1);

// The product logo as the Control Center shows it, plain or lit with an invitation to click.
QImage paintLogoPicture(const TWindowGeometry& window, const TControlGeometry& control, int scale = 1);

// The painted words that would be cut off or run into another control, for checking a table.
std::vector<std::string> clippedWords(const TWindowGeometry& window);

// The little picture at the left of a title strip.
TGlyph titleEmblem(TScheme scheme);
