#pragma once

#include "TPictureUnit.h"

// The pictures of the modules that are not a monitor's screen.
namespace pictures {

void wallpaper(Unit& u);
void sound(Unit& u);
void theme(Unit& u);

} // namespace pictures
