#pragma once

class QWidget;

// Asks the window manager to leave the window off the taskbar (on X11; elsewhere nothing). To be
// called while the window is not yet shown.
void keepOffTaskbar(QWidget& window);
