#pragma once

// What the converter window's controls do, read by the Qt and the Win32 window alike.
namespace TgfxWiring {

inline constexpr const char* load = "BitBtn1";
inline constexpr const char* save = "BitBtn2";
inline constexpr const char* exit = "BitBtn3";
inline constexpr const char* fileName = "thefile";
inline constexpr const char* preview = "pic";

inline constexpr const char* openFilter = "JPG / GIF Images|*.jpg;*.gif;*.jpeg";
inline constexpr const char* saveFilter = "Bitmap Images|*.bmp";
inline constexpr const char* saveExtension = "bmp";

} // namespace TgfxWiring
