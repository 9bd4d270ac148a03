#pragma once
#include <filesystem>

// Gives the file open as descriptor, written to replace path, path's permission
// bits, owner and group, as far as this process may: only root may give a file
// away, and a member of its group may give it the group. Where the group cannot
// be kept, the file's new group gets the bits others had, as its members were
// others until now: a file shared through one group is never opened to another.
// A file that replaces nothing gets a new file's bits. False when the bits could
// not be set.
bool keep_attributes(int descriptor, const std::filesystem::path& path);
