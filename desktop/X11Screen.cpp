#include "desktop/X11Screen.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/randr.h>
#include <xcb/xcb.h>

namespace {

struct Disconnect {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

int workspaceCount(xcb_connection_t* c, xcb_window_t root)
{
    const char name[] = "_NET_NUMBER_OF_DESKTOPS";
    Reply<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof name - 1, name), nullptr), std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return 1;
    Reply<xcb_get_property_reply_t> count(
        xcb_get_property_reply(c, xcb_get_property(c, 0, root, atom->atom, XCB_ATOM_CARDINAL, 0, 1), nullptr),
        std::free);
    if (!count || count->format != 32 || xcb_get_property_value_length(count.get()) != 4)
        return 1;
    // A window manager gone wrong must not make thousands of settings.
    return std::clamp(static_cast<int>(*static_cast<uint32_t*>(xcb_get_property_value(count.get()))), 1, 32);
}

} // namespace

X11Screen X11Screen::of(const std::string& display)
{
    X11Screen screen;
    int number = 0;
    std::unique_ptr<xcb_connection_t, Disconnect> connection(xcb_connect(display.c_str(), &number));
    xcb_connection_t* c = connection.get();
    if (xcb_connection_has_error(c))
        return screen;
    xcb_screen_iterator_t roots = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (; roots.rem && number > 0; --number)
        xcb_screen_next(&roots);
    if (!roots.rem)
        return screen;
    xcb_window_t root = roots.data->root;
    screen.workspaces = workspaceCount(c, root);
    Reply<xcb_randr_get_screen_resources_current_reply_t> resources(
        xcb_randr_get_screen_resources_current_reply(c, xcb_randr_get_screen_resources_current(c, root), nullptr),
        std::free);
    if (!resources)
        return screen;
    xcb_randr_output_t* outputs = xcb_randr_get_screen_resources_current_outputs(resources.get());
    int count = xcb_randr_get_screen_resources_current_outputs_length(resources.get());
    for (int i = 0; i < count; ++i) {
        Reply<xcb_randr_get_output_info_reply_t> info(
            xcb_randr_get_output_info_reply(
                c, xcb_randr_get_output_info(c, outputs[i], resources->config_timestamp), nullptr),
            std::free);
        if (!info || info->connection != XCB_RANDR_CONNECTION_CONNECTED || info->crtc == XCB_NONE)
            continue;
        const char* name = reinterpret_cast<const char*>(xcb_randr_get_output_info_name(info.get()));
        screen.outputs.emplace_back(name, static_cast<std::size_t>(xcb_randr_get_output_info_name_length(info.get())));
    }
    return screen;
}
