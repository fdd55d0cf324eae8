#include "shell/TWindowHints.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace

void keepOffTaskbar(QWidget& window)
{
    // Other platforms, the off-screen one included, may answer as X11 without a connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 && QGuiApplication::platformName() == "xcb" ? x11->connection() : nullptr;
    if (!connection)
        return;
    xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    xcb_atom_t skip = atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE)
        return;
    auto id = static_cast<xcb_window_t>(window.winId());
    // Toolkits merge their own states into what is there when they map the window, so the hint
    // is added to the window's list, once.
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> current(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, id, state, XCB_ATOM_ATOM, 0, 64), nullptr),
        &std::free);
    if (current && current->format == 32) {
        auto* atoms = static_cast<xcb_atom_t*>(xcb_get_property_value(current.get()));
        for (int i = 0; i < xcb_get_property_value_length(current.get()) / 4; ++i)
            if (atoms[i] == skip)
                return;
    }
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, 1, &skip);
}
