// Replacing a file so that readers and a power cut see either all of the old file or all of
// the new one, never a mixture, and nothing of an interrupted replacement stays behind.
#pragma once

#include <string>

namespace platform {

// Writes `text` to a temporary file beside `path` and renames it over `path`, syncing the
// file before the rename and the folder after it. False with errno set on failure; the
// temporary file is then gone.
bool ReplaceFile(const std::string& path, const std::string& text);

// Removes the temporary files that replacements of `path` killed part-way left in its
// folder. Call only while no other replacement of `path` can be under way.
void RemoveStaleTemporaries(const std::string& path);

// The folder part of a path ("." when it has none).
std::string FolderOf(const std::string& path);

} // namespace platform
