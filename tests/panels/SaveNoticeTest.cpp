#include "panels/SaveNotice.h"

#include "cycle/CycleModule.h"
#include "panels/sound/SoundModule.h"
#include "panels/wallpaper/WallpaperModule.h"
#include "support/MemoryLineFiles.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <memory>

TEST(SaveNotice, NamesEachAppliedEntryAndTheNextOne)
{
    struct Case {
        ModuleParameters (*parameters)();
        std::vector<std::string> words;
        std::map<std::string, LineList> stored;
        std::string notice;
    };
    const Case cases[] = {
        { wallpaperModule, { "Wallpaper" },
            { { "murello.dat", { "/a.bmp", "C:\\PICS\\B.BMP" } }, { "murello.cfg", { "t", "2", "t", "f" } } },
            "Wallpaper: B.BMP (centred). Next: a.bmp" },
        { soundModule, { "Start-up sound", "Shutdown sound" },
            { { "tonvikst.dat", { "/s/hello.wav", "/s/morning.wav" } }, { "tonvikxt.dat", { "/s/bye.wav" } },
                { "tonvik.cfg", { "t", "2", "t", "1" } } },
            "Start-up sound: morning.wav. Next: hello.wav\nShutdown sound: bye.wav. Next: bye.wav" },
        // An empty entry sets nothing; a disabled list takes none.
        { soundModule, { "Start-up sound", "Shutdown sound" },
            { { "tonvikst.dat", { "" } }, { "tonvikxt.dat", { "/s/bye.wav" } },
                { "tonvik.cfg", { "t", "1", "f", "1" } } },
            "" },
    };
    for (const Case& c : cases) {
        ModuleParameters parameters = c.parameters();
        for (ApplyHooks& hooks : parameters.apply)
            hooks.apply = [](const AppliedEntry&) {};
        auto files = std::make_shared<MemoryLineFiles>();
        for (const auto& [name, lines] : c.stored)
            files->files["/z/" + name] = lines;
        CycleModule module(std::move(parameters), "/z/", files, std::make_shared<ScriptedRandom>());
        ASSERT_TRUE(module.load().empty());
        module.save();
        EXPECT_EQ(saveNotice(module, c.words), c.notice);
    }
}
