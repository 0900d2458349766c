// Points the registry at a file in a fresh temporary folder for one test and removes the
// folder afterwards, so tests never touch the user's own registry.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class TemporaryRegistry {
public:
    TemporaryRegistry() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "lumaris-reg-XXXXXX").string();
        folder = mkdtemp(pattern.data()) ? pattern : std::string();
        setenv("LUMARIS_REGISTRY", File().c_str(), 1);
    }
    ~TemporaryRegistry() {
        unsetenv("LUMARIS_REGISTRY");
        std::error_code ignored;
        if (!folder.empty()) std::filesystem::remove_all(folder, ignored);
    }
    TemporaryRegistry(const TemporaryRegistry&) = delete;
    TemporaryRegistry& operator=(const TemporaryRegistry&) = delete;

    std::string File() const { return folder + "/registry.reg"; }
    std::string Text() const {
        std::ifstream in(File(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void Write(const std::string& text) const { std::ofstream(File(), std::ios::binary) << text; }
    // Names of the folder's entries other than the registry file and its lock.
    std::vector<std::string> Others() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            if (name != "registry.reg" && name != "registry.reg.lock") names.push_back(name);
        }
        return names;
    }

    std::string folder;
};
