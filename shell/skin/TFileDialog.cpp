#include "shell/skin/TFileDialog.h"

#include <QFileDialog>
#include <QStringList>
#include <QWidget>

namespace {

TFileDialog::Hook& hook()
{
    static TFileDialog::Hook instance;
    return instance;
}

std::vector<std::string> fromQt(const QStringList& names)
{
    std::vector<std::string> paths;
    for (const QString& name : names)
        paths.push_back(name.toLocal8Bit().toStdString());
    return paths;
}

std::string first(const std::vector<std::string>& paths)
{
    return paths.empty() ? std::string() : paths.front();
}

// The program's windows stay off the taskbar, so one that a window manager sends behind another
// when the dialog closes could only be found again by moving the others: it comes back to the
// front, whatever the dialog's outcome.
class FrontAgain {
public:
    explicit FrontAgain(QWidget* parent)
        : window_(parent ? parent->window() : nullptr)
    {
    }
    ~FrontAgain()
    {
        if (!window_ || !window_->isVisible())
            return;
        window_->raise();
        window_->activateWindow();
    }
    FrontAgain(const FrontAgain&) = delete;
    FrontAgain& operator=(const FrontAgain&) = delete;

private:
    QWidget* window_;
};

} // namespace

std::string TFileDialog::toQtFilter(std::string_view filter)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= filter.size()) {
        size_t bar = filter.find('|', start);
        if (bar == std::string_view::npos)
            bar = filter.size();
        parts.emplace_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    std::string qt;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string patterns = parts[i + 1];
        for (char& c : patterns)
            if (c == ';')
                c = ' ';
        if (!qt.empty())
            qt += ";;";
        qt += parts[i] + " (" + patterns + ")";
    }
    return qt;
}

std::string TFileDialog::withDefaultExtension(const std::string& path, std::string_view extension)
{
    if (path.empty() || extension.empty())
        return path;
    size_t slash = path.find_last_of("/\\");
    size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (path.find('.', nameStart) != std::string::npos)
        return path;
    return path + "." + std::string(extension);
}

std::vector<std::string> TFileDialog::openFiles(QWidget* parent, std::string_view filter)
{
    FrontAgain front(parent);
    if (hook())
        return hook()({ TFileDialogRequest::Kind::OpenMany, std::string(filter), {} });
    return fromQt(QFileDialog::getOpenFileNames(
        parent, QObject::tr("Open"), QString(), QString::fromStdString(toQtFilter(filter))));
}

std::string TFileDialog::openFile(QWidget* parent, std::string_view filter)
{
    FrontAgain front(parent);
    if (hook())
        return first(hook()({ TFileDialogRequest::Kind::OpenOne, std::string(filter), {} }));
    QFileDialog dialog(parent, QObject::tr("Open"), QString(), QString::fromStdString(toQtFilter(filter)));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return first(fromQt(dialog.selectedFiles()));
}

std::string TFileDialog::saveFile(QWidget* parent, std::string_view filter, std::string_view defaultExtension)
{
    FrontAgain front(parent);
    std::string chosen;
    if (hook()) {
        chosen = first(hook()({ TFileDialogRequest::Kind::Save, std::string(filter), std::string(defaultExtension) }));
    } else {
        chosen = QFileDialog::getSaveFileName(parent, QObject::tr("Save As"), QString(),
            QString::fromStdString(toQtFilter(filter)), nullptr, QFileDialog::DontConfirmOverwrite)
                     .toLocal8Bit()
                     .toStdString();
    }
    return withDefaultExtension(chosen, defaultExtension);
}

void TFileDialog::setTestHook(Hook hook_)
{
    hook() = std::move(hook_);
}
