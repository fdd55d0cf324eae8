#pragma once

#include <span>
#include <string>

// A window's face as plain data. The widgets are built from it at run time and the artwork
// generator paints the backgrounds and glyph strips from the very same table, so a painted label
// always sits where its control is.

enum class TControlKind {
    Background, // the window's bitmap at 0, 0
    DragBar, // transparent strip over the title that moves the window
    BitmapButton, // three-state glyph strip, no caption
    ListBox,
    Edit, // single line, read-only
    CheckBox, // only the box shows; its caption is painted beside it
    Memo, // read-only text
    Picture, // an image control; painted by the generator when it has a glyph
    PushButton, // ordinary captioned button (help windows)
    Label, // ordinary label widget (help windows)
    Text, // words painted into the background only
    Well, // a sunken area painted into the background only
    WhiteArea, // a sunken white area (under lists and text) painted into the background only
    Emblem, // a module's emblem painted into the background only
};

enum class TGlyph {
    None,
    Plus,
    InsertArrow,
    Minus,
    Converter,
    TileAll,
    UntileAll,
    Tick,
    NoEntry,
    Question,
    Cross,
    Minimise,
    Play,
    Pause,
    Stop,
    ScreenPreview,
    Options,
    Restore,
    ThemePreview,
    OpenFolder,
    Floppy,
    ExitWord,
    OkWord,
    QuitWord,
    ModuleWallpaper,
    ModuleSound,
    ModuleSaver,
    ModuleLogo,
    ModuleTheme,
    ProductLogo,
    ProductLogoLit,
    BigQuestionMark,
    ArrowLeft,
    ArrowRight,
    InsertTheme, // a curved arrow into a small theme picture
    InsertIntoBox, // a curved arrow into a small box
};

enum class TScheme { ControlCenter, Wallpaper, Sound, Saver, Logo, Theme, Grey };

enum class TFrame { Skinned, Dialog, ToolWindow, ToolWindowSizeable };

enum class TTextStyle { Label, Note, Right, Centered, Question, Bold };

struct TControlGeometry {
    const char* name = "";
    TControlKind kind = TControlKind::Text;
    int x = 0, y = 0, w = 0, h = 0;
    const char* hint = "";
    TGlyph glyph = TGlyph::None;
    const char* caption = ""; // check box and button caption, painted words, initial edit text
    int tabOrder = -1; // -1: takes no focus by Tab
    TTextStyle style = TTextStyle::Label;
    // What a screen reader announces where the hint or caption alone would not tell the control
    // from a namesake ("Random cycling" of which list).
    const char* accessibleName = "";
    const char* painted = nullptr; // check box: the words painted beside it, where they differ from its caption
};

struct TWindowGeometry {
    const char* name; // the window class
    const char* caption; // taskbar and system name of the window
    const char* title; // words painted into the title strip
    int width, height; // client area
    int left, top; // designed screen position
    TScheme scheme;
    TFrame frame;
    std::span<const TControlGeometry> controls;
    const char* cancelButton = ""; // pressed by Esc
    const char* defaultButton = ""; // pressed by Enter
};

// The words the background shows for a control: a check box's own painted words, or its caption.
constexpr const char* paintedWords(const TControlGeometry& control)
{
    return control.painted ? control.painted : control.caption;
}

// Resource names shared by the generator (which writes them) and the widgets (which load them
// from ":/").
inline std::string backgroundResource(const TWindowGeometry& window)
{
    return std::string("skin/") + window.name + ".bmp";
}

inline std::string pictureResource(const TWindowGeometry& window, const TControlGeometry& control)
{
    return std::string("skin/") + window.name + "." + control.name + ".bmp";
}

inline std::string iconResource(const char* name)
{
    return std::string("skin/") + name + ".png";
}

// The same picture drawn at twice the density for high-scale screens, named by Qt's "@2x" rule.
inline std::string doubleDensityResource(const std::string& resource)
{
    size_t dot = resource.rfind('.');
    return resource.substr(0, dot) + "@2x" + resource.substr(dot);
}

// Builders that keep the tables short and readable.
namespace skin {

constexpr TControlGeometry background(const char* name, int w, int h)
{
    return { .name = name, .kind = TControlKind::Background, .w = w, .h = h };
}

constexpr TControlGeometry dragBar(const char* name, int w, int h)
{
    return { .name = name, .kind = TControlKind::DragBar, .w = w, .h = h };
}

constexpr TControlGeometry bitmapButton(
    const char* name, int x, int y, int w, int h, TGlyph glyph, const char* hint, int tabOrder)
{
    return { name, TControlKind::BitmapButton, x, y, w, h, hint, glyph, "", tabOrder };
}

// The 13 x 13 cross at the right end of a module panel's title strip.
constexpr TControlGeometry closeBox(const char* name, int x, int tabOrder)
{
    return bitmapButton(name, x, 2, 13, 13, TGlyph::Cross, "", tabOrder);
}

constexpr TControlGeometry listBox(const char* name, int x, int y, int w, int h, int tabOrder = -1)
{
    return { name, TControlKind::ListBox, x, y, w, h, "", TGlyph::None, "", tabOrder };
}

constexpr TControlGeometry edit(const char* name, int x, int y, int w, int h, const char* text = "")
{
    return { name, TControlKind::Edit, x, y, w, h, "", TGlyph::None, text, -1 };
}

constexpr TControlGeometry checkBox(
    const char* name, int x, int y, const char* caption, int tabOrder, const char* painted = nullptr)
{
    return { name, TControlKind::CheckBox, x, y, 15, 15, "", TGlyph::None, caption, tabOrder, TTextStyle::Label, "",
        painted };
}

// The control as `control` builds it, announced to screen readers as `name`.
constexpr TControlGeometry announced(TControlGeometry control, const char* name)
{
    control.accessibleName = name;
    return control;
}

constexpr TControlGeometry memo(const char* name, int x, int y, int w, int h, int tabOrder = -1)
{
    return { name, TControlKind::Memo, x, y, w, h, "", TGlyph::None, "", tabOrder };
}

constexpr TControlGeometry picture(const char* name, int x, int y, int w, int h, TGlyph glyph = TGlyph::None)
{
    return { name, TControlKind::Picture, x, y, w, h, "", glyph, "", -1 };
}

constexpr TControlGeometry pushButton(const char* name, int x, int y, int w, int h, const char* caption, int tabOrder)
{
    return { name, TControlKind::PushButton, x, y, w, h, "", TGlyph::None, caption, tabOrder };
}

constexpr TControlGeometry label(
    const char* name, int x, int y, int w, int h, const char* caption, TTextStyle style = TTextStyle::Label)
{
    return { name, TControlKind::Label, x, y, w, h, "", TGlyph::None, caption, -1, style };
}

constexpr TControlGeometry text(int x, int y, int w, int h, const char* words, TTextStyle style = TTextStyle::Label)
{
    return { "", TControlKind::Text, x, y, w, h, "", TGlyph::None, words, -1, style };
}

constexpr TControlGeometry well(int x, int y, int w, int h)
{
    return { "", TControlKind::Well, x, y, w, h, "", TGlyph::None, "", -1 };
}

constexpr TControlGeometry whiteArea(int x, int y, int w, int h)
{
    return { "", TControlKind::WhiteArea, x, y, w, h, "", TGlyph::None, "", -1 };
}

constexpr TControlGeometry emblem(int x, int y, int w, int h, TGlyph glyph, const char* words = "")
{
    return { "", TControlKind::Emblem, x, y, w, h, "", glyph, words, -1 };
}

} // namespace skin
