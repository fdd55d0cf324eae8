#include "desktop/X11Screen.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>
#include <xcb/randr.h>
#include <xcb/xcb.h>

namespace {

struct Disconnect {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

// XCB_ATOM_NONE when no program has used the name yet.
xcb_atom_t existingAtom(xcb_connection_t* c, const char* name)
{
    Reply<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, static_cast<uint16_t>(std::strlen(name)), name), nullptr),
        std::free);
    return atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
}

int workspaceCount(xcb_connection_t* c, xcb_window_t root)
{
    xcb_atom_t atom = existingAtom(c, "_NET_NUMBER_OF_DESKTOPS");
    if (atom == XCB_ATOM_NONE)
        return 1;
    Reply<xcb_get_property_reply_t> count(
        xcb_get_property_reply(c, xcb_get_property(c, 0, root, atom, XCB_ATOM_CARDINAL, 0, 1), nullptr), std::free);
    if (!count || count->format != 32 || xcb_get_property_value_length(count.get()) != 4)
        return 1;
    // A window manager gone wrong must not make thousands of settings.
    return std::clamp(static_cast<int>(*static_cast<uint32_t*>(xcb_get_property_value(count.get()))), 1, 32);
}

bool isDesktopWindow(xcb_connection_t* c, xcb_window_t window, xcb_atom_t type, xcb_atom_t desktop)
{
    Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr), std::free);
    if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
        return false;
    Reply<xcb_get_property_reply_t> types(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, type, XCB_ATOM_ATOM, 0, 16), nullptr), std::free);
    if (!types || types->format != 32)
        return false;
    auto* atoms = static_cast<xcb_atom_t*>(xcb_get_property_value(types.get()));
    int count = xcb_get_property_value_length(types.get()) / 4;
    return std::find(atoms, atoms + count, desktop) != atoms + count;
}

std::vector<xcb_window_t> childrenOf(xcb_connection_t* c, xcb_window_t window)
{
    Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr), std::free);
    if (!tree)
        return {};
    xcb_window_t* children = xcb_query_tree_children(tree.get());
    return { children, children + xcb_query_tree_children_length(tree.get()) };
}

} // namespace

// Window managers that frame every window put the desktop window one level down.
bool X11Screen::desktopWindowCovers(xcb_connection_t* c, const xcb_screen_t& screen)
{
    xcb_atom_t type = existingAtom(c, "_NET_WM_WINDOW_TYPE"), desktop = existingAtom(c, "_NET_WM_WINDOW_TYPE_DESKTOP");
    if (type == XCB_ATOM_NONE || desktop == XCB_ATOM_NONE)
        return false;
    for (xcb_window_t top : childrenOf(c, screen.root)) {
        std::vector<xcb_window_t> candidates = childrenOf(c, top);
        candidates.push_back(top);
        for (xcb_window_t window : candidates) {
            if (!isDesktopWindow(c, window, type, desktop))
                continue;
            Reply<xcb_get_geometry_reply_t> geometry(
                xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr), std::free);
            // One desktop window per monitor covers that monitor; a quarter of the screen is taken as covering.
            if (geometry
                && 4L * geometry->width * geometry->height
                    >= long(screen.width_in_pixels) * long(screen.height_in_pixels))
                return true;
        }
    }
    return false;
}

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
    screen.desktopWindow = desktopWindowCovers(c, *roots.data);
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
