#include "shell/skin/TErrorBox.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace {

TErrorBox::Hook& hook()
{
    static TErrorBox::Hook instance;
    return instance;
}

void present(const char* title, const std::string& text)
{
    if (hook()) {
        hook()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(title), QString::fromLocal8Bit(text), QMessageBox::Ok,
        QApplication::activeWindow());
    box.exec();
}

} // namespace

void TErrorBox::run(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        show(error.what());
    } catch (...) {
        show("Unknown error");
    }
}

void TErrorBox::show(const std::string& message)
{
    // Always appended, even after a message that already ends in a full stop.
    present(applicationTitle, message + ".");
}

void TErrorBox::showError(const std::string& text)
{
    present("Error", text);
}

void TErrorBox::setTestHook(Hook hook_)
{
    hook() = std::move(hook_);
}
