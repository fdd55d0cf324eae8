#include "desktop/GSettingsBackground.h"

#include "cycle/Exception.h"
#include "desktop/WindowsWallpaper.h"

#include <gio/gio.h>
#include <memory>

namespace {

template <class T> struct GObjectFree {
    void operator()(T* object) const { g_object_unref(object); }
};

struct SchemaFree {
    void operator()(GSettingsSchema* schema) const { g_settings_schema_unref(schema); }
};

std::string fileUri(const std::string& path)
{
    std::unique_ptr<gchar, decltype(&g_free)> uri(g_filename_to_uri(path.c_str(), nullptr, nullptr), g_free);
    if (!uri)
        throw Exception(formatMessage("Cannot name the file %s to the desktop", path));
    return uri.get();
}

} // namespace

GSettingsBackground::GSettingsBackground(Family family)
    : m_family(family)
{
}

std::string GSettingsBackground::name() const
{
    switch (m_family) {
    case Family::Cinnamon:
        return "Cinnamon";
    case Family::Mate:
        return "MATE";
    case Family::Gnome:
        break;
    }
    return "GNOME";
}

const char* GSettingsBackground::schema() const
{
    switch (m_family) {
    case Family::Cinnamon:
        return "org.cinnamon.desktop.background";
    case Family::Mate:
        return "org.mate.background";
    case Family::Gnome:
        break;
    }
    return "org.gnome.desktop.background";
}

void GSettingsBackground::show(const WindowsWallpaper& wallpaper)
{
    // g_settings_new aborts the program on a schema it does not know, so the schema is looked up first.
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    std::unique_ptr<GSettingsSchema, SchemaFree> found(
        source ? g_settings_schema_source_lookup(source, schema(), TRUE) : nullptr);
    if (!found)
        throw Exception(formatMessage("The settings schema %s is not installed", schema()));
    std::unique_ptr<GSettings, GObjectFree<GSettings>> settings(g_settings_new_full(found.get(), nullptr, nullptr));

    bool written = true;
    if (m_family == Family::Mate) {
        written &= g_settings_set_string(settings.get(), "picture-filename", wallpaper.path.c_str());
    } else {
        std::string uri = fileUri(wallpaper.path);
        written &= g_settings_set_string(settings.get(), "picture-uri", uri.c_str());
        // The dark style has a picture of its own since GNOME 42.
        if (g_settings_schema_has_key(found.get(), "picture-uri-dark"))
            written &= g_settings_set_string(settings.get(), "picture-uri-dark", uri.c_str());
    }
    written &= g_settings_set_string(settings.get(), "picture-options", wallpaper.tiled ? "wallpaper" : "centered");
    g_settings_sync();
    if (!written)
        throw Exception(formatMessage("The desktop settings %s could not be changed", schema()));
}
