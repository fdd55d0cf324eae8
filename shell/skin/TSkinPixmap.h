#pragma once

#include <QPixmap>
#include <string>

// A picture of the drawn skin (":/skin/..."), taken from its double-density drawing when the
// screens are scaled up; either way it covers the same logical pixels.
QPixmap skinPixmap(const std::string& resource);
