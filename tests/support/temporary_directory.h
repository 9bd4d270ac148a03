#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "platform/current_directory.h"

// A fresh empty directory for one test, removed with everything in it afterwards;
// the game's files are looked for in it.
class TemporaryDirectory final : public CurrentDirectory {
public:
    TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;
    ~TemporaryDirectory() override;

    std::filesystem::path path() const override { return m_path; }

    std::string read(const std::string& name) const;
    void write(const std::string& name, const std::string& bytes) const;
    // The names of the files in the directory, sorted.
    std::vector<std::string> entries() const;

private:
    std::filesystem::path m_path;
};
