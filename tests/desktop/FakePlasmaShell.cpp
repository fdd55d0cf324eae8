// Stands in for KDE Plasma's shell on a private session bus: it takes the name org.kde.plasmashell,
// notes every script given to evaluateScript in a file, runs the command it was given and ends
// with that command's exit status.
//
//   fake_plasmashell SCRIPT-FILE COMMAND [ARGUMENT...]
#include <QCoreApplication>
#include <QDBusConnection>
#include <QFile>
#include <QProcess>
#include <cstdio>

class FakePlasmaShell : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.PlasmaShell")
public:
    explicit FakePlasmaShell(QString scriptFile)
        : scriptFile_(std::move(scriptFile))
    {
    }

public slots:
    void evaluateScript(const QString& script)
    {
        QFile file(scriptFile_);
        if (file.open(QIODevice::Append))
            file.write(script.toUtf8());
    }

private:
    QString scriptFile_;
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList words = app.arguments().mid(1);
    if (words.size() < 2) {
        std::fprintf(stderr, "usage: fake_plasmashell SCRIPT-FILE COMMAND [ARGUMENT...]\n");
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
