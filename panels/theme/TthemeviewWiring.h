#pragma once

namespace TthemeviewWiring {

inline constexpr const char* name = "name";
inline constexpr const char* picture = "pic";
inline constexpr const char* items = "items";
inline constexpr const char* closeButtons[] = { "BitBtn1", "BitBtn2" };

} // namespace TthemeviewWiring
