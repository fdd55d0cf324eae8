#pragma once

#include "shell/skin/TWindowGeometry.h"

#include <memory>
#include <windows.h>

class TSkinnedForm;
class TWindowSet;

// The window of a table: its own class where it has one, else a plain skinned form.
std::unique_ptr<TSkinnedForm> makeWindow(const TWindowGeometry& table, TWindowSet& windows, HWND owner);
