#pragma once

// What a module panel's controls do, named as in its geometry table: read by the Qt and the Win32
// windows alike, so that each panel is wired once.

// The buttons every panel has, and the windows (by class name) that its Cancel and Help show.
struct PanelVerbs {
    const char* save;
    const char* cancel;
    const char* help;
    const char* close;
    const char* cancelWindow;
    const char* helpWindow;
};

// The controls that show one of the module's lists with its switches and next field.
struct ListControls {
    const char* list;
    const char* enable;
    const char* random;
    const char* next;
};

// The buttons that edit a list, and the open dialog's filter ("Bitmap files|*.bmp").
struct EditButtons {
    const char* add;
    const char* insert;
    const char* remove;
    const char* fileFilter;
};
