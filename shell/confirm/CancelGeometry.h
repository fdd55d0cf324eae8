#pragma once

#include "shell/skin/TWindowGeometry.h"

#include <array>

// The five Cancel confirmations are alike but for their control names, question and colours. The
// question exists only in the background; No is both the default and the cancel button.
constexpr std::array<TControlGeometry, 7> cancelControls(
    const char* background, const char* bar, const char* yes, const char* no, const char* question)
{
    return { {
        skin::background(background, 186, 122),
        skin::emblem(5, 30, 30, 44, TGlyph::BigQuestionMark),
        skin::emblem(151, 30, 30, 44, TGlyph::BigQuestionMark),
        skin::text(36, 30, 114, 44, question, TTextStyle::Question),
        skin::dragBar(bar, 185, 20),
        skin::bitmapButton(yes, 15, 83, 74, 22, TGlyph::Tick, "", 0),
        skin::bitmapButton(no, 96, 83, 74, 22, TGlyph::NoEntry, "", 1),
    } };
}

inline constexpr auto TcancelformControls
    = cancelControls("paperback", "Image1", "paperyes", "paperno", "Exit Murello Without Saving?");
inline constexpr auto Tcancelform2Controls
    = cancelControls("Image1", "Image2", "BitBtn1", "BitBtn2", "Exit Tonvik Without Saving?");
inline constexpr auto Tcancelform3Controls
    = cancelControls("Image1", "Image2", "BitBtn1", "BitBtn2", "Exit Dozarn Without Saving?");
inline constexpr auto Tcancelform4Controls
    = cancelControls("Image1", "Image2", "BitBtn1", "BitBtn2", "Exit Brisko Without Saving?");
inline constexpr auto Tcancelform5Controls
    = cancelControls("Image1", "Image2", "BitBtn1", "BitBtn2", "Exit Ambrel Without Saving?");

inline constexpr TWindowGeometry TcancelformGeometry { "Tcancelform", "Cancel", "Confirm", 186, 122, 355, 237,
    TScheme::Wallpaper, TFrame::Skinned, TcancelformControls, "paperno", "paperno" };
inline constexpr TWindowGeometry Tcancelform2Geometry { "Tcancelform2", "Cancel", "Confirm", 186, 122, 342, 245,
    TScheme::Sound, TFrame::Skinned, Tcancelform2Controls, "BitBtn2", "BitBtn2" };
inline constexpr TWindowGeometry Tcancelform3Geometry { "Tcancelform3", "Cancel", "Confirm", 186, 122, 358, 262,
    TScheme::Saver, TFrame::Skinned, Tcancelform3Controls, "BitBtn2", "BitBtn2" };
inline constexpr TWindowGeometry Tcancelform4Geometry { "Tcancelform4", "Cancel", "Confirm", 186, 122, 330, 236,
    TScheme::Logo, TFrame::Skinned, Tcancelform4Controls, "BitBtn2", "BitBtn2" };
inline constexpr TWindowGeometry Tcancelform5Geometry { "Tcancelform5", "Cancel", "Confirm", 186, 122, 337, 217,
    TScheme::Theme, TFrame::Skinned, Tcancelform5Controls, "BitBtn2", "BitBtn2" };
