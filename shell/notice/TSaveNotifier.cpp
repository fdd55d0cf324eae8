#include "shell/notice/TSaveNotifier.h"

#include "shell/skin/TErrorBox.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QThread>
#include <QVariantMap>
#include <exception>

namespace {

const QString service = "org.freedesktop.Notifications";
const QString path = "/org/freedesktop/Notifications";
const QString interface = "org.freedesktop.Notifications";
const QString showAction = "show";

QString fromLocal(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TSaveNotifier::TSaveNotifier(Bus bus)
    : bus_(bus ? std::move(bus) : Bus([] { return QDBusConnection::sessionBus(); }))
{
}

TSaveNotifier::~TSaveNotifier()
{
    for (const std::unique_ptr<QThread>& thread : running_)
        thread->wait();
}

bool TSaveNotifier::reachBus()
{
    if (!connection_) {
        connection_ = bus_();
        if (connection_->isConnected()) {
            connection_->connect(service, path, interface, "ActionInvoked", this, SLOT(actionInvoked(uint, QString)));
            connection_->connect(
                service, path, interface, "NotificationClosed", this, SLOT(notificationClosed(uint, uint)));
        }
    }
    return connection_->isConnected();
}

void TSaveNotifier::tell(const std::string& summary, const std::string& body, std::function<void()> show)
{
    if (!reachBus())
        return;
    QString summaryText = fromLocal(summary), bodyText = fromLocal(body);
    if (capabilities_) {
        notify(summaryText, bodyText, show);
        return;
    }
    // The service says once whether it shows actions and reads markup.
    QDBusMessage ask = QDBusMessage::createMethodCall(service, path, interface, "GetCapabilities");
    auto* watcher = new QDBusPendingCallWatcher(connection_->asyncCall(ask), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [=, this] {
        watcher->deleteLater();
        QDBusPendingReply<QStringList> reply = *watcher;
        if (reply.isError())
            return;
        capabilities_ = reply.value();
        notify(summaryText, bodyText, show);
    });
}

void TSaveNotifier::notify(const QString& summary, const QString& body, const std::function<void()>& show)
{
    QStringList actions;
    if (show && capabilities_->contains("actions"))
        actions << showAction << tr("Show on my desktop now");
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, "Notify");
    call << QString("Zentrel") << 0u << QString("zentrel") << summary
         << (capabilities_->contains("body-markup") ? body.toHtmlEscaped() : body) << actions << QVariantMap() << -1;
    auto* watcher = new QDBusPendingCallWatcher(connection_->asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [=, this] {
        watcher->deleteLater();
        QDBusPendingReply<uint> reply = *watcher;
        if (!reply.isError() && !actions.isEmpty())
            shows_[reply.value()] = show;
    });
}

void TSaveNotifier::actionInvoked(uint id, const QString& action)
{
    auto found = shows_.find(id);
    if (action == showAction && found != shows_.end())
        runShow(found->second);
}

void TSaveNotifier::notificationClosed(uint id, uint)
{
    shows_.erase(id);
}

// Showing may take a while (a start-up sound plays to its end), so the windows stay live meanwhile.
void TSaveNotifier::runShow(const std::function<void()>& show)
{
    std::erase_if(running_, [](const std::unique_ptr<QThread>& thread) { return thread->isFinished(); });
    running_.emplace_back(QThread::create([this, show] {
        try {
            show();
        } catch (const std::exception& error) {
            QMetaObject::invokeMethod(this, [message = std::string(error.what())] { TErrorBox::show(message); });
        }
    }));
    running_.back()->start();
}
