#include "desktop/GSettingsBackground.h"

#include "cycle/Exception.h"
#include "desktop/WindowsWallpaper.h"

#define G_SETTINGS_ENABLE_BACKEND
#include <gio/gio.h>
#include <gio/gsettingsbackend.h>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

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

// dconf commits through the session bus and tells of a write it could not commit only by a
// warning on standard error: without a bus the write is refused here, with the bus's reason.
void checkDconfReachable()
{
    GSettingsBackend* backend = g_settings_backend_get_default();
    bool dconf = std::string_view(G_OBJECT_TYPE_NAME(backend)) == "DConfSettingsBackend";
    g_object_unref(backend);
    if (!dconf)
        return;
    GError* error = nullptr;
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error);
    if (bus) {
        g_object_unref(bus);
        return;
    }
    std::string reason = error ? error->message : "no session bus";
    g_clear_error(&error);
    throw Exception(formatMessage("The desktop settings can't be changed without the session bus: %s", reason));
}

std::string stringSetting(GSettings* settings, const char* key)
{
    std::unique_ptr<gchar, decltype(&g_free)> value(g_settings_get_string(settings, key), g_free);
    return value ? value.get() : "";
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

    std::vector<std::pair<const char*, std::string>> values;
    if (m_family == Family::Mate) {
        values.emplace_back("picture-filename", wallpaper.path);
    } else {
        std::string uri = fileUri(wallpaper.path);
        values.emplace_back("picture-uri", uri);
        // The dark style has a picture of its own since GNOME 42.
        if (g_settings_schema_has_key(found.get(), "picture-uri-dark"))
            values.emplace_back("picture-uri-dark", uri);
    }
    values.emplace_back("picture-options", wallpaper.tiled ? "wallpaper" : "centered");
    values.emplace_back("primary-color", wallpaper.colourName());
    values.emplace_back("color-shading-type", "solid");

    checkDconfReachable();
    {
        std::unique_ptr<GSettings, GObjectFree<GSettings>> settings(g_settings_new_full(found.get(), nullptr, nullptr));
        bool written = true;
        for (const auto& [key, value] : values)
            written &= g_settings_set_string(settings.get(), key, value.c_str()) != FALSE;
        g_settings_sync();
        if (!written)
            throw Exception(formatMessage("The desktop settings %s could not be changed", schema()));
    }
    // A write the back end refused is undone once the sync has heard so: what a fresh look finds
    // is what the desktop will show.
    std::unique_ptr<GSettings, GObjectFree<GSettings>> check(g_settings_new_full(found.get(), nullptr, nullptr));
    for (const auto& [key, value] : values)
        if (stringSetting(check.get(), key) != value)
            throw Exception(formatMessage("The desktop settings %s did not keep the wallpaper", schema()));
}
