// Paths of files in the source tree, for tests that read what the project commits.
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline std::string SourceTreePath(const std::string& relative) {
    return std::string(LUMARIS_SOURCE_DIR) + "/" + relative;
}

// The bytes of a committed sprite animation (resources/flic/<name>); empty when missing. By
// the source folder the build names, not __FILE__, which a compiler cache may make relative.
inline std::vector<unsigned char> FlicArtwork(const std::string& name) {
    std::ifstream in(SourceTreePath("resources/flic/" + name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
