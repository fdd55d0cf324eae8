// The GNOME family's path through GSettings, on GIO's memory back end so no real setting changes.
#include "desktop/GSettingsBackground.h"

#include "cycle/Exception.h"
#include "desktop/WindowsWallpaper.h"

#include <gio/gio.h>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::string stringSetting(const char* schema, const char* key)
{
    std::unique_ptr<GSettings, decltype(&g_object_unref)> settings(g_settings_new(schema), g_object_unref);
    std::unique_ptr<gchar, decltype(&g_free)> value(g_settings_get_string(settings.get(), key), g_free);
    return value.get();
}

class GSettingsBackgroundTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { g_setenv("GSETTINGS_BACKEND", "memory", TRUE); }
};

} // namespace

TEST_F(GSettingsBackgroundTest, GnomeGetsThePictureForBothStylesAndTheTiling)
{
    const char* schema = "org.gnome.desktop.background";
    GSettingsBackground gnome(GSettingsBackground::Family::Gnome);
    ASSERT_STREQ(gnome.schema(), schema);

    gnome.show({ "/pics/a b.bmp", true });
    EXPECT_EQ(stringSetting(schema, "picture-uri"), "file:///pics/a%20b.bmp");
    EXPECT_EQ(stringSetting(schema, "picture-uri-dark"), "file:///pics/a%20b.bmp");
    EXPECT_EQ(stringSetting(schema, "picture-options"), "wallpaper");

    gnome.show({ "/pics/c.bmp", false });
    EXPECT_EQ(stringSetting(schema, "picture-uri"), "file:///pics/c.bmp");
    EXPECT_EQ(stringSetting(schema, "picture-options"), "centered");
}

TEST_F(GSettingsBackgroundTest, CinnamonAndMateUseTheirOwnSchemasOrSayTheyAreMissing)
{
    struct Case {
        GSettingsBackground::Family family;
        const char* pictureKey;
        std::string picture;
    };
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    for (const Case& c : {
             Case { GSettingsBackground::Family::Cinnamon, "picture-uri", "file:///pics/a%20b.bmp" },
             Case { GSettingsBackground::Family::Mate, "picture-filename", "/pics/a b.bmp" },
         }) {
        GSettingsBackground desktop(c.family);
        GSettingsSchema* schema = g_settings_schema_source_lookup(source, desktop.schema(), TRUE);
        if (!schema) {
            try {
                desktop.show({ "/pics/a b.bmp", false });
                ADD_FAILURE() << desktop.schema();
            } catch (const Exception& error) {
                EXPECT_EQ(std::string(error.what()),
                    "The settings schema " + std::string(desktop.schema()) + " is not installed");
            }
            continue;
        }
        g_settings_schema_unref(schema);
        desktop.show({ "/pics/a b.bmp", false });
        EXPECT_EQ(stringSetting(desktop.schema(), c.pictureKey), c.picture);
        EXPECT_EQ(stringSetting(desktop.schema(), "picture-options"), "centered");
    }
}
