#include "desktop/PlasmaBackground.h"

#include "cycle/Exception.h"
#include "desktop/WindowsWallpaper.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QUrl>

namespace {

// A JavaScript string literal that holds any bytes of the text.
std::string quoted(const std::string& text)
{
    static const char hex[] = "0123456789abcdef";
    std::string literal = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\' || c < 0x20 || c >= 0x7f) {
            literal += "\\x";
            literal += hex[c >> 4];
            literal += hex[c & 15];
        } else
            literal += static_cast<char>(c);
    }
    return literal + "\"";
}

std::optional<std::string> callPlasmaShell(const std::string& script)
{
    // Qt's bus connection wants an application object; a command has none of its own.
    static int argc = 1;
    static char name[] = "zentrel-cycle";
    static char* argv[] = { name, nullptr };
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return "there is no session bus";
    QDBusMessage call = QDBusMessage::createMethodCall(
        "org.kde.plasmashell", "/PlasmaShell", "org.kde.PlasmaShell", "evaluateScript");
    call << QString::fromStdString(script);
    QDBusMessage reply = bus.call(call, QDBus::Block, 10000);
    if (reply.type() == QDBusMessage::ErrorMessage)
        return reply.errorMessage().toStdString();
    return std::nullopt;
}

} // namespace

PlasmaBackground::PlasmaBackground(Evaluate evaluate)
    : m_evaluate(evaluate ? std::move(evaluate) : Evaluate(callPlasmaShell))
{
}

std::string PlasmaBackground::script(const WindowsWallpaper& wallpaper)
{
    std::string url = QUrl::fromLocalFile(QString::fromLocal8Bit(wallpaper.path)).toEncoded().toStdString();
    return "var all = desktops();\n"
           "for (var i = 0; i < all.length; i++) {\n"
           "    var d = all[i];\n"
           "    d.wallpaperPlugin = \"org.kde.image\";\n"
           "    d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];\n"
           "    d.writeConfig(\"Image\", "
        + quoted(url) + ");\n    d.writeConfig(\"FillMode\", " + (wallpaper.tiled ? "3" : "6") + ");\n}\n";
}

void PlasmaBackground::show(const WindowsWallpaper& wallpaper)
{
    if (std::optional<std::string> failure = m_evaluate(script(wallpaper)))
        throw Exception(formatMessage("The Plasma shell did not take the wallpaper: %s", *failure));
}
