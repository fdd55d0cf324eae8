#pragma once

namespace TlogorestWiring {

inline constexpr const char* close = "BitBtn1";

} // namespace TlogorestWiring
