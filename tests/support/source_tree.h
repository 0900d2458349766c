// Paths of files in the source tree, for tests that read what the project commits.
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline std::string SourceTreePath(const std::string& relative) {
    return std::string(LUMARIS_SOURCE_DIR) + "/" + relative;
}

// The bytes of a committed file; empty when it cannot be read.
inline std::vector<unsigned char> SourceTreeBytes(const std::string& relative) {
    std::ifstream in(SourceTreePath(relative), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
