// Large media files the benchmarks read: made by the test-media scripts, kept out of git.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// The bytes of name in the folder that the environment variable names (fallback: folder
// in the working folder); empty when there is no such file.
inline std::vector<uint8_t> ReadBenchFile(const char* variable, const char* folder,
                                          const char* name) {
    const char* directory = std::getenv(variable);
    std::string path = std::string(directory ? directory : folder) + "/" + name;
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}
