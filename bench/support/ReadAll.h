#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// A file's whole contents, as the benchmarks' editors and checks see it.
inline std::string readAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
