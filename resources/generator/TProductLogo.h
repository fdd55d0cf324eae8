#pragma once

#include "TPictureUnit.h"

namespace pictures {

// The program's round logo; lit is its look under the pointer.
void productLogo(Unit& u, bool lit);

} // namespace pictures
