#pragma once
#include <filesystem>
#include <map>
#include <string>

#include "current_directory.h"
#include "file_system.h"
#include "random_source.h"

// Files kept in memory, byte for byte, in the directory "/juego".
class MemoryFiles final : public FileSystem, public CurrentDirectory {
public:
    std::map<std::filesystem::path, std::string> files;

    std::filesystem::path path() const override { return "/juego"; }
    std::string& file(const char* name) { return files[path() / name]; }
    bool has(const char* name) const { return files.contains(path() / name); }

    Read read(const std::filesystem::path& p, std::string& bytes) override
    {
        const auto found = files.find(p);
        if (found == files.end())
            return Read::missing;
        bytes = found->second;
        return Read::ok;
    }
    bool missing(const std::filesystem::path& p) override { return !files.contains(p); }
    bool replace(const std::filesystem::path& p, std::string_view bytes) override
    {
        files[p] = std::string(bytes);
        return true;
    }
};

// Always the same value: with it the draw gives the last line of the word file.
class FixedRandom final : public RandomSource {
public:
    double next() override { return 0.0; }
};
