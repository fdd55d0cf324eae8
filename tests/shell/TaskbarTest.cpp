#include "panels/wallpaper/Tmurelloform.h"
#include "shell/TStartup.h"
#include "shell/TTaskbarEntry.h"
#include "shell/TWindowSet.h"
#include "shell/Tthemainform.h"
#include "shell/confirm/Tcancelform.h"
#include "shell/help/Thelp2.h"
#include "shell/skin/TBitmapButton.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

// The program is run under a real window manager (openbox on a virtual X screen) and looked at
// as a taskbar sees it: the managed windows, their names and their states, read with xprop.
namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString hex(WId id)
{
    return "0x" + QString::number(id, 16);
}

QStringList managedWindows()
{
    QString list = run("xprop", { "-root", "_NET_CLIENT_LIST" });
    int hash = list.indexOf('#');
    if (hash < 0)
        return {};
    QStringList ids;
    for (const QString& id : list.mid(hash + 1).split(',', Qt::SkipEmptyParts))
        ids << QString::number(id.trimmed().toULongLong(nullptr, 16), 16).prepend("0x");
    return ids;
}

QString properties(const QString& id)
{
    return run("xprop", { "-id", id, "_NET_WM_NAME", "_NET_WM_STATE", "WM_TRANSIENT_FOR" });
}

// What a taskbar shows: every managed window that neither skips the taskbar nor belongs to
// another window, by its name.
std::string taskbarButtons()
{
    QStringList buttons;
    for (const QString& id : managedWindows()) {
        QString text = properties(id);
        if (text.contains("_NET_WM_STATE_SKIP_TASKBAR") || text.contains("WM_TRANSIENT_FOR(WINDOW)"))
            continue;
        int open = text.indexOf("_NET_WM_NAME(UTF8_STRING) = \"");
        buttons << (open < 0 ? QString() : text.mid(open + 29).section('"', 0, 0));
    }
    return buttons.join(" | ").toStdString();
}

bool minimised(QWidget* window)
{
    return properties(hex(window->winId())).contains("_NET_WM_STATE_HIDDEN");
}

// What a taskbar does when its button is pressed: it asks the window manager, as a pager, to
// activate the button's window, which brings a minimised window back.
void pressTaskbarButton(QWidget& window)
{
    xcb_connection_t* connection = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const char* name = "_NET_ACTIVE_WINDOW";
    xcb_intern_atom_reply_t* reply
        = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    ASSERT_NE(reply, nullptr);
    xcb_client_message_event_t message {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window.winId());
    message.type = reply->atom;
    message.data.data32[0] = 2; // from a pager
    std::free(reply);
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
        reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

// The window manager answers in its own time; this only keeps a broken run from waiting forever.
bool eventually(const std::function<bool()>& condition)
{
    for (int wait = 0; wait < 200; ++wait) {
        if (condition())
            return true;
        QTest::qWait(50);
    }
    return condition();
}

void underWindowManager()
{
    QTemporaryDir folder;
    TStartup startup(folder.path().toStdString() + "/");
    TWindowSet& windows = startup.windows();
    windows.showAtStart();
    QWidget* center = &windows.themainform();
    auto managed = [](QWidget* window) { return managedWindows().contains(hex(window->winId())); };
    ASSERT_TRUE(eventually([&] { return managed(center) && managed(&windows.taskbarEntry()); }));
    EXPECT_EQ(taskbarButtons(), "Zentrel v2.0");

    // A panel with its help and its Cancel confirmation: the Control Center is hidden, the
    // button stays.
    windows.themainform().button("BitBtn1")->click();
    windows.help2().showWindow();
    windows.cancelform().showWindow();
    ASSERT_TRUE(eventually([&] {
        return !managed(center) && managed(&windows.murelloform()) && managed(&windows.help2())
            && managed(&windows.cancelform());
    }));
    EXPECT_EQ(taskbarButtons(), "Zentrel v2.0");

    // Back in the Control Center, help and confirmation still open: minimise takes every window
    // down, and the taskbar button brings every one back.
    windows.murelloform().button("BitBtn11")->click();
    ASSERT_TRUE(eventually([&] { return managed(center); }));
    const std::vector<QWidget*> open { center, &windows.help2(), &windows.cancelform(), &windows.taskbarEntry() };
    windows.themainform().button("BitBtn6")->click();
    EXPECT_TRUE(eventually([&] { return std::all_of(open.begin(), open.end(), minimised); }));
    pressTaskbarButton(windows.taskbarEntry());
    EXPECT_TRUE(eventually([&] { return std::none_of(open.begin(), open.end(), minimised); }));
    for (QWidget* window : open)
        EXPECT_FALSE(window->isMinimized()) << window->objectName().toStdString();
    EXPECT_EQ(taskbarButtons(), "Zentrel v2.0");
}

} // namespace

TEST(Taskbar, OneButtonForTheProgramAndMinimiseTakesEveryWindowAlong)
{
    if (QGuiApplication::platformName() == "xcb") {
        underWindowManager();
        return;
    }
    for (const char* tool : { "Xvfb", "openbox", "xprop" })
        if (QStandardPaths::findExecutable(tool).isEmpty())
            GTEST_SKIP() << tool << " is not installed";

    QProcess screen;
    screen.start("Xvfb", { "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp" });
    ASSERT_TRUE(screen.waitForReadyRead(10000)) << "Xvfb did not start";
    QString display = ":" + QString::fromUtf8(screen.readLine()).trimmed();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display);
    qputenv("DISPLAY", display.toUtf8());

    QProcess manager;
    manager.setProcessEnvironment(environment);
    manager.start("openbox", { "--sm-disable" });
    bool managing = eventually([] {
        return run("xprop", { "-root", "_NET_SUPPORTING_WM_CHECK" }).contains("window id");
    });

    if (managing) {
        QProcess program;
        environment.insert("QT_QPA_PLATFORM", "xcb");
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(QCoreApplication::applicationFilePath(), { "--gtest_filter=Taskbar.*" });
        bool finished = program.waitForFinished(120000);
        if (!finished)
            program.kill();
        EXPECT_TRUE(finished);
        EXPECT_EQ(program.exitCode(), 0) << "the program under the window manager failed (see above)";
    }
    manager.terminate();
    manager.waitForFinished();
    screen.terminate();
    screen.waitForFinished();
    qunsetenv("DISPLAY");
    EXPECT_TRUE(managing) << "openbox did not start";
}
