#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

// What a window asked the file dialog for; tests see it through the hook.
struct TFileDialogRequest {
    enum class Kind { OpenMany, OpenOne, Save };
    Kind kind;
    std::string filter; // "Description|*.ext;*.ext2|..."
    std::string defaultExtension; // Save only, without the dot
};

// The common file dialogs. Paths are 8-bit text; an empty result means the user cancelled. When
// a dialog closes, the window that opened it is raised and activated again.
class TFileDialog {
public:
    // Returns the chosen paths as the dialog lists them; an empty list when cancelled.
    using Hook = std::function<std::vector<std::string>(const TFileDialogRequest& request)>;

    // Several existing files at once.
    static std::vector<std::string> openFiles(QWidget* parent, std::string_view filter);
    // One file; a typed name need not exist.
    static std::string openFile(QWidget* parent, std::string_view filter);
    // Appends "." + defaultExtension when the chosen name has no extension; never asks before
    // replacing a file.
    static std::string saveFile(QWidget* parent, std::string_view filter, std::string_view defaultExtension);

    // An empty hook brings the real dialogs back.
    static void setTestHook(Hook hook);

    static std::string toQtFilter(std::string_view filter);
    static std::string withDefaultExtension(const std::string& path, std::string_view extension);
};
