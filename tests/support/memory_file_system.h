#pragma once
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/current_directory.h"
#include "platform/file_system.h"

// Files kept in memory, so a whole game runs without a disk.
class MemoryFileSystem final : public FileSystem {
public:
    std::map<std::filesystem::path, std::string> files;
    // The paths whose leftovers were asked to be removed; there are never any.
    std::vector<std::filesystem::path> leftovers_removed;

    Read read(const std::filesystem::path& path, std::string& bytes) override
    {
        const auto found = files.find(path);
        if (found == files.end())
            return Read::missing;
        bytes = found->second;
        return Read::ok;
    }
    bool missing(const std::filesystem::path& path) override { return !files.contains(path); }
    bool replace(const std::filesystem::path& path, std::string_view bytes) override
    {
        files[path] = std::string{bytes};
        return true;
    }
    void remove_leftovers(const std::filesystem::path& path) override { leftovers_removed.push_back(path); }
};

// The directory the game's files are looked for in.
class FixedDirectory final : public CurrentDirectory {
public:
    explicit FixedDirectory(std::filesystem::path path = "/partida") : m_path(std::move(path)) {}
    std::filesystem::path path() const override { return m_path; }

private:
    std::filesystem::path m_path;
};
