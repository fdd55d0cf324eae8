#include "shell/skin/TAccessibleName.h"

#include <climits>
#include <string_view>

namespace {

// "&Enable Murello" reads "Enable Murello"; "&&" stands for one ampersand.
std::string withoutMnemonic(std::string_view caption)
{
    std::string plain;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        plain += caption[i];
    }
    return plain;
}

std::string labelWords(std::string_view words)
{
    std::string plain = withoutMnemonic(words);
    while (!plain.empty() && (plain.back() == ':' || plain.back() == ' '))
        plain.pop_back();
    return plain;
}

// Notes such as "(double-click an entry in the list)" explain a control but do not name it.
bool isLabel(const TControlGeometry& text)
{
    return text.kind == TControlKind::Text && text.style != TTextStyle::Note && *text.caption && text.caption[0] != '(';
}

// A list or field is labelled by the words on its row just left of it or, failing that, by the
// nearest words above it that span part of its width.
std::string paintedLabel(const TWindowGeometry& window, const TControlGeometry& control)
{
    const int nearLeft = 12, nearAbove = 20;
    const TControlGeometry* above = nullptr;
    int aboveGap = INT_MAX;
    for (const TControlGeometry& text : window.controls) {
        if (!isLabel(text))
            continue;
        bool sameRow = text.y < control.y + control.h && control.y < text.y + text.h;
        int leftGap = control.x - (text.x + text.w);
        if (sameRow && leftGap >= 0 && leftGap <= nearLeft)
            return labelWords(text.caption);
        bool overlaps = text.x < control.x + control.w && control.x < text.x + text.w;
        int gap = control.y - (text.y + text.h);
        if (overlaps && gap >= 0 && gap <= nearAbove && gap < aboveGap) {
            above = &text;
            aboveGap = gap;
        }
    }
    return above ? labelWords(above->caption) : std::string();
}

const char* symbolName(TGlyph glyph)
{
    switch (glyph) {
    case TGlyph::Cross:
        return "Close";
    case TGlyph::Minimise:
        return "Minimise";
    case TGlyph::Play:
        return "Play";
    case TGlyph::Pause:
        return "Pause";
    case TGlyph::Stop:
        return "Stop";
    case TGlyph::Tick:
        return "Yes";
    case TGlyph::NoEntry:
        return "No";
    case TGlyph::OkWord:
        return "OK";
    case TGlyph::QuitWord:
        return "Quit";
    case TGlyph::ExitWord:
        return "Exit";
    case TGlyph::Question:
        return "Help";
    case TGlyph::Plus:
        return "Add";
    case TGlyph::InsertArrow:
    case TGlyph::InsertTheme:
        return "Insert";
    case TGlyph::Minus:
        return "Remove";
    case TGlyph::Options:
        return "Options";
    case TGlyph::Restore:
        return "Restore";
    case TGlyph::ScreenPreview:
    case TGlyph::ThemePreview:
        return "Preview";
    case TGlyph::OpenFolder:
        return "Open";
    case TGlyph::Floppy:
        return "Save";
    default:
        return "";
    }
}

} // namespace

std::string accessibleName(const TWindowGeometry& window, const TControlGeometry& control)
{
    if (*control.accessibleName)
        return control.accessibleName;
    switch (control.kind) {
    case TControlKind::BitmapButton:
        return *control.hint ? control.hint : symbolName(control.glyph);
    case TControlKind::CheckBox:
    case TControlKind::PushButton:
    case TControlKind::Label:
        return withoutMnemonic(control.caption);
    case TControlKind::ListBox:
    case TControlKind::Edit:
    case TControlKind::Memo: {
        // Without painted words of its own the control is the window's text, as in the help windows.
        std::string label = paintedLabel(window, control);
        return label.empty() ? window.caption : label;
    }
    default:
        return "";
    }
}
