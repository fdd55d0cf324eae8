#include "shell/skin/TErrorBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

TErrorBox::Hook& hook()
{
    static TErrorBox::Hook instance;
    return instance;
}

} // namespace

void presentErrorBox(const char* title, const std::string& text)
{
    if (hook()) {
        hook()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(title), QString::fromLocal8Bit(text), QMessageBox::Ok,
        QApplication::activeWindow());
    box.exec();
}

void TErrorBox::setTestHook(Hook hook_)
{
    hook() = std::move(hook_);
}
