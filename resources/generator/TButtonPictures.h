#pragma once

#include "TPictureUnit.h"

// The pictorial button symbols.
namespace pictures {

void options(Unit& u);
void restoreArrow(Unit& u);
// Bends down from the top left and points right, into the picture beside it.
void insertArrow(Unit& u);
void themePreview(Unit& u);
void openFolder(Unit& u);
void floppy(Unit& u);

} // namespace pictures
