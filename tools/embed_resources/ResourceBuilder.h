// Turns a parsed script into the resources to embed, reading every file it names.
#pragma once
#include <string>
#include <vector>

#include "tools/embed_resources/IconFile.h"
#include "tools/embed_resources/RcScript.h"

namespace embed {

struct EmbeddedResource {
    ResourceName type;
    ResourceName name;
    Bytes bytes;
};

struct EmbeddedResources {
    std::vector<EmbeddedResource> resources;
    std::vector<StringEntry> strings;
    std::vector<std::string> filesRead; // for the build's dependency file
};

// Paths are taken relative to baseDirectory; backslashes count as separators.
bool BuildResources(const RcScript& script, const std::string& baseDirectory,
                    EmbeddedResources& built, std::string& error);

} // namespace embed
