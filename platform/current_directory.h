#pragma once
#include <filesystem>

// The process's current directory, asked afresh at every file access.
class CurrentDirectory {
public:
    virtual ~CurrentDirectory() = default;
    virtual std::filesystem::path path() const = 0;
};

class ProcessDirectory final : public CurrentDirectory {
public:
    std::filesystem::path path() const override;
};
