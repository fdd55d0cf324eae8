// Stands in for KDE Plasma's shell on a private session bus: it takes the name org.kde.plasmashell,
// runs every script given to evaluateScript in a JavaScript engine against the scripting API as
// Plasma documents it (desktops(), a desktop's wallpaperPlugin, currentConfigGroup, writeConfig,
// readConfig, print), answers with what the script printed, notes each desktop's wallpaper
// settings afterwards in a file, runs the command it was given and ends with that command's exit
// status. Two desktops stand for two screens.
//
//   fake_plasmashell STATE-FILE COMMAND [ARGUMENT...]
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QFile>
#include <QJSEngine>
#include <QProcess>
#include <cstdio>

namespace {

const char* const plasmaApi = R"(
var printed = "";
function print(text) { printed += text; }
function Desktop() { this.wallpaperPlugin = "org.kde.color"; this.currentConfigGroup = []; this.config = {}; }
Desktop.prototype.writeConfig = function (key, value) {
    this.config[this.currentConfigGroup.concat([key]).join("/")] = String(value);
};
Desktop.prototype.readConfig = function (key, fallback) {
    var path = this.currentConfigGroup.concat([key]).join("/");
    return path in this.config ? this.config[path] : fallback;
};
var shellDesktops = [new Desktop(), new Desktop()];
function desktops() { return shellDesktops.slice(); }
function state() {
    return shellDesktops.map(function (d) {
        return d.wallpaperPlugin + Object.keys(d.config).sort().map(function (k) {
            return " " + k + "=" + d.config[k]; }).join("");
    }).join("\n") + "\n";
}
)";

} // namespace

class FakePlasmaShell : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.PlasmaShell")
public:
    explicit FakePlasmaShell(QString stateFile)
        : stateFile_(std::move(stateFile))
    {
    }

public slots:
    QString evaluateScript(const QString& script)
    {
        QJSEngine engine;
        engine.evaluate(plasmaApi);
        QJSValue result = engine.evaluate(script);
        if (result.isError()) {
            sendErrorReply(QDBusError::Failed, result.toString());
            return {};
        }
        QFile file(stateFile_);
        if (file.open(QIODevice::Append))
            file.write(engine.evaluate("state()").toString().toUtf8());
        return engine.globalObject().property("printed").toString();
    }

private:
    QString stateFile_;
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList words = app.arguments().mid(1);
    if (words.size() < 2) {
        std::fprintf(stderr, "usage: fake_plasmashell STATE-FILE COMMAND [ARGUMENT...]\n");
        return 2;
    }
    FakePlasmaShell shell(words.takeFirst());
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject("/PlasmaShell", &shell, QDBusConnection::ExportAllSlots)
        || !bus.registerService("org.kde.plasmashell")) {
        std::fprintf(stderr, "fake_plasmashell: cannot take the bus name\n");
        return 3;
    }
    QProcess command;
    command.setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(&command, &QProcess::finished, &app, [&](int exitCode) { app.exit(exitCode); });
    QObject::connect(&command, &QProcess::errorOccurred, &app, [&](QProcess::ProcessError) { app.exit(4); });
    QString program = words.takeFirst();
    command.start(program, words);
    return app.exec();
}

#include "FakePlasmaShell.moc"
