#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QThread;

// Tells the user through the desktop's notification service (org.freedesktop.Notifications on
// the session bus) what a Save did. Nothing waits for the service: a desktop without one, or
// without a session bus, is told nothing and nothing else changes.
class TSaveNotifier : public QObject {
    Q_OBJECT
public:
    using Bus = std::function<QDBusConnection()>;

    // Without a bus given, the session bus, reached at the first notice.
    explicit TSaveNotifier(Bus bus = {});
    // Waits for a show still running.
    ~TSaveNotifier() override;

    // One notification, `summary` over `body` (8-bit text). With `show`, it offers "Show on my
    // desktop now", which runs `show` beside the windows; its failure goes to the error box.
    void tell(const std::string& summary, const std::string& body, std::function<void()> show);

private slots:
    void actionInvoked(uint id, const QString& action);
    void notificationClosed(uint id, uint reason);

private:
    bool reachBus();
    void notify(const QString& summary, const QString& body, const std::function<void()>& show);
    void runShow(const std::function<void()>& show);

    Bus bus_;
    std::optional<QDBusConnection> connection_;
    std::optional<QStringList> capabilities_;
    std::map<uint, std::function<void()>> shows_; // by notification
    std::vector<std::unique_ptr<QThread>> running_;
};
