#include "desktop/PlasmaBackground.h"

#include "cycle/Exception.h"
#include "desktop/WindowsWallpaper.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QUrl>
#include <sstream>

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

PlasmaBackground::Reply callPlasmaShell(const std::string& script)
{
    // Qt's bus connection wants an application object; a command has none of its own.
    static int argc = 1;
    static char name[] = "zentrel-cycle";
    static char* argv[] = { name, nullptr };
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return { false, "there is no session bus" };
    QDBusMessage call = QDBusMessage::createMethodCall(
        "org.kde.plasmashell", "/PlasmaShell", "org.kde.PlasmaShell", "evaluateScript");
    call << QString::fromStdString(script);
    QDBusMessage reply = bus.call(call, QDBus::Block, 10000);
    if (reply.type() == QDBusMessage::ErrorMessage)
        return { false, reply.errorMessage().toStdString() };
    // The shell answers with what the script printed.
    QList<QVariant> answer = reply.arguments();
    return { true, answer.isEmpty() ? std::string() : answer.first().toString().toStdString() };
}

} // namespace

PlasmaBackground::PlasmaBackground(Evaluate evaluate)
    : m_evaluate(evaluate ? std::move(evaluate) : Evaluate(callPlasmaShell))
{
}

std::string PlasmaBackground::expectedAnswer(const WindowsWallpaper& wallpaper)
{
    return "zentrel " + imageUrl(wallpaper) + " " + (wallpaper.tiled ? "3" : "6");
}

std::string PlasmaBackground::imageUrl(const WindowsWallpaper& wallpaper)
{
    return QUrl::fromLocalFile(QString::fromLocal8Bit(wallpaper.path)).toEncoded().toStdString();
}

std::string PlasmaBackground::script(const WindowsWallpaper& wallpaper)
{
    std::string colour = std::to_string(wallpaper.red()) + "," + std::to_string(wallpaper.green()) + ","
        + std::to_string(wallpaper.blue());
    // Each desktop is read back after the write; the line printed for it is what the shell kept.
    return "var all = desktops();\n"
           "for (var i = 0; i < all.length; i++) {\n"
           "    var d = all[i];\n"
           "    d.wallpaperPlugin = \"org.kde.image\";\n"
           "    d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];\n"
           "    d.writeConfig(\"Image\", "
        + quoted(imageUrl(wallpaper)) + ");\n    d.writeConfig(\"FillMode\", " + (wallpaper.tiled ? "3" : "6")
        + ");\n    d.writeConfig(\"Color\", " + quoted(colour)
        + ");\n"
          "    print(\"zentrel \" + d.readConfig(\"Image\") + \" \" + d.readConfig(\"FillMode\") + \"\\n\");\n"
          "}\n";
}

void PlasmaBackground::show(const WindowsWallpaper& wallpaper)
{
    Reply reply = m_evaluate(script(wallpaper));
    if (!reply.called)
        throw Exception(formatMessage("The Plasma shell did not take the wallpaper: %s", reply.text));
    // Every desktop must say it kept it; a shell with no desktop at all shows nothing.
    std::istringstream lines(reply.text);
    int kept = 0;
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("zentrel "))
            continue;
        if (line != expectedAnswer(wallpaper))
            throw Exception(formatMessage("The Plasma shell did not keep the wallpaper: %s", line.substr(8)));
        ++kept;
    }
    if (kept == 0)
        throw Exception("The Plasma shell has no desktop to show the wallpaper on");
}
