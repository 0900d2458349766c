// Paths of files in the source tree, for tests that read what the project commits.
#pragma once

#include <string>

inline std::string SourceTreePath(const std::string& relative) {
    return std::string(LUMARIS_SOURCE_DIR) + "/" + relative;
}
