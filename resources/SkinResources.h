#pragma once

// Makes the drawn skin (":/skin/...") available; the program calls it once before creating windows.
void initSkinResources();
