#pragma once
#include "file_steps.h"

// The steps on the real disk, through the C library and POSIX calls.
class PosixFileSteps : public FileSteps {
public:
    std::FILE* open(std::string& pattern, mode_t mode) override;
    bool write(std::FILE* file, std::string_view bytes) override;
    bool flush(std::FILE* file) override;
    bool sync(std::FILE* file) override;
    bool close(std::FILE* file) override;
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    void remove(const std::filesystem::path& path) override;
};
