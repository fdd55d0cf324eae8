// The notice after a Save, sent to a stand-in notification service on a private session bus.
#include "panels/PanelWindowFixture.h"
#include "panels/wallpaper/Tmurelloform.h"
#include "shell/notice/TDesktopShow.h"
#include "shell/notice/TSaveNotifier.h"

#include <QDBusMessage>
#include <QProcess>
#include <QVariantMap>
#include <atomic>

namespace {

// Takes the notification service's name and notes every notification it is given.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList notices; // summary, body, then the actions, of each
public slots:
    QStringList GetCapabilities() { return { "body", "body-markup", "actions" }; }
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
        const QStringList& actions, const QVariantMap&, int)
    {
        notices << summary << body << actions;
        return 7;
    }
};

class SaveNotification : public PanelWindowFixture<Tmurelloform> {
protected:
    SaveNotification()
        : PanelWindowFixture("BitBtn1", &TWindowSet::murelloform)
    {
        daemon.start("dbus-daemon", { "--session", "--nofork", "--print-address" });
        if (daemon.waitForReadyRead(10000))
            address = QString::fromUtf8(daemon.readLine()).trimmed();
    }
    ~SaveNotification() override
    {
        daemon.kill();
        daemon.waitForFinished();
    }
    void SetUp() override
    {
        ASSERT_FALSE(address.isEmpty()) << "no dbus-daemon";
        PanelWindowFixture::SetUp();
        windows->setSaveNotifier(
            std::make_unique<TSaveNotifier>([this] { return QDBusConnection::connectToBus(address, "zentrel"); }));
        TDesktopShow::setTestHook([this](const std::string& directory, TDesktopShow::What what) {
            if (directory == folder.path() && what == TDesktopShow::What::Wallpaper)
                ++wallpapersShown;
        });
        chosen = { "/pictures/wide.bmp", "/pictures/sun & sea.bmp" };
        panel().button("BitBtn1")->click();
    }
    void TearDown() override
    {
        PanelWindowFixture::TearDown();
        TDesktopShow::setTestHook({});
        QDBusConnection::disconnectFromBus("zentrel");
        QDBusConnection::disconnectFromBus("service");
    }

    QProcess daemon;
    QString address;
    FakeNotifications service;
    std::atomic<int> wallpapersShown = 0;
};

} // namespace

TEST_F(SaveNotification, TellsWhatTheSaveAppliedAndShowsItOnTheDesktopAtTheUsersWord)
{
    QDBusConnection connection = QDBusConnection::connectToBus(address, "service");
    connection.registerObject("/org/freedesktop/Notifications", &service, QDBusConnection::ExportAllSlots);
    ASSERT_TRUE(connection.registerService("org.freedesktop.Notifications"));

    panel().button("BitBtn7")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !service.notices.isEmpty(); }));
    EXPECT_EQ(service.notices,
        (QStringList { "Murello Control Panel", "Wallpaper: sun &amp; sea.bmp (tiled). Next: wide.bmp", "show",
            "Show on my desktop now" }));

    for (QString action : { "default", "show" }) {
        QDBusMessage signal = QDBusMessage::createSignal(
            "/org/freedesktop/Notifications", "org.freedesktop.Notifications", "ActionInvoked");
        signal << 7u << action;
        connection.send(signal);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return wallpapersShown == 1; }));
    EXPECT_TRUE(shown.empty()) << shown.front();
}

TEST_F(SaveNotification, WithoutANotificationServiceTheSaveSaysNothing)
{
    panel().button("BitBtn7")->click();
    QTest::qWait(200); // the bus's answer that nobody serves the name comes through the event loop
    EXPECT_FALSE(panel().isVisible());
    EXPECT_TRUE(shown.empty()) << shown.front();
}

#include "SaveNotificationTest.moc"
