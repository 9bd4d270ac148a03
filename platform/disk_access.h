#pragma once
#include <filesystem>
#include <memory>
#include <string>

#include "platform/descriptor.h"
#include "platform/file_system.h"

// What DiskFileSystem asks of the system beyond writing, one implementation per
// platform.
namespace disk_access {

// The whole file at path into bytes; `missing` only when nothing is there.
FileSystem::Read read(const std::filesystem::path& path, std::string& bytes);
// Held while it lives: no other copy of the game gets the lock of the same directory.
std::unique_ptr<FileLock> lock_directory(const std::filesystem::path& directory);
// Removes the file at name unless a writer still holds it, or it is not a plain file.
void remove_unless_held(const std::filesystem::path& name);
// A second descriptor of the same open file, closed apart from the first; not
// open when none can be had.
Descriptor duplicate(const Descriptor& file);

} // namespace disk_access
