// A fresh folder as the working folder for the object's life. ctest runs the tests of one
// program side by side, each in a process of its own: files named from the working folder
// (a sprite description names its files so) must not be shared between them.
#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

class PrivateWorkingFolder {
public:
    PrivateWorkingFolder() : previous(std::filesystem::current_path()) {
        std::random_device random;
        folder = std::filesystem::temp_directory_path() /
                 ("lumaris-work-" + std::to_string(random()) + "-" + std::to_string(random()));
        std::filesystem::create_directories(folder);
        std::filesystem::current_path(folder);
    }
    ~PrivateWorkingFolder() {
        std::error_code ignored;
        std::filesystem::current_path(previous, ignored);
        std::filesystem::remove_all(folder, ignored);
    }
    PrivateWorkingFolder(const PrivateWorkingFolder&) = delete;
    PrivateWorkingFolder& operator=(const PrivateWorkingFolder&) = delete;

private:
    std::filesystem::path previous;
    std::filesystem::path folder;
};
