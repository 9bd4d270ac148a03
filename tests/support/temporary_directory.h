#pragma once
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/current_directory.h"

// A fresh empty directory for one test, removed with everything in it afterwards;
// the game's files are looked for in it.
class TemporaryDirectory final : public CurrentDirectory {
public:
    // Named with an "ñ", as a player's folder may be: the game must find its
    // files in it on every platform.
    TemporaryDirectory() : m_path(std::filesystem::temp_directory_path() / u8"cuerdalokkk-prueba-ñ")
    {
        m_path += std::to_string(std::random_device{}());
        if (!std::filesystem::create_directory(m_path))
            throw std::runtime_error("cannot make a temporary directory");
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;
    ~TemporaryDirectory() override
    {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        std::filesystem::remove_all(m_path, ignored);
    }

    std::filesystem::path path() const override { return m_path; }
    std::string read(const std::string& name) const
    {
        std::ifstream file(m_path / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(m_path / name, std::ios::binary) << bytes;
    }
    // The names of the files in the directory, sorted.
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path m_path;
};
