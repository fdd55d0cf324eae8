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
    std::string text = message + ".";
    if (hook()) {
        hook()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(applicationTitle), QString::fromLocal8Bit(text),
        QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void TErrorBox::setTestHook(Hook hook_)
{
    hook() = std::move(hook_);
}
