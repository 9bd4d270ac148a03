#pragma once
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "current_directory.h"
#include "file_system.h"

// Files kept in memory, so a whole game runs without a disk.
class MemoryFileSystem final : public FileSystem {
public:
    std::map<std::filesystem::path, std::string> files;
    bool writes_fail = false;
    // The paths whose leftovers were asked to be removed; there are never any.
    std::vector<std::filesystem::path> leftovers_removed;

    Read read(const std::filesystem::path& path, std::string& bytes) override;
    bool missing(const std::filesystem::path& path) override { return !files.contains(path); }
    bool replace(const std::filesystem::path& path, std::string_view bytes) override;
    void remove_leftovers(const std::filesystem::path& path) override { leftovers_removed.push_back(path); }
};

// The directory the game's files are looked for in, in memory.
class FixedDirectory final : public CurrentDirectory {
public:
    std::filesystem::path path() const override { return "/partida"; }
};
