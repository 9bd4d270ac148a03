#include "memory_file_system.h"

FileSystem::Read MemoryFileSystem::read(const std::filesystem::path& path, std::string& bytes)
{
    auto found = files.find(path);
    if (found == files.end())
        return Read::missing;
    bytes = found->second;
    return Read::ok;
}

bool MemoryFileSystem::replace(const std::filesystem::path& path, std::string_view bytes)
{
    if (writes_fail)
        return false;
    files[path] = std::string{bytes};
    return true;
}
