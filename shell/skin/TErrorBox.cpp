#include "shell/skin/TErrorBox.h"

#include <QApplication>
#include <QMessageBox>

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
    TErrorReport::run(handler, present);
}

void TErrorBox::show(const std::string& message)
{
    TErrorReport::show(message, present);
}

void TErrorBox::showError(const std::string& text)
{
    TErrorReport::showError(text, present);
}

void TErrorBox::setTestHook(Hook hook_)
{
    hook() = std::move(hook_);
}
