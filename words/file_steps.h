#pragma once
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <sys/types.h>

// The steps of writing a file anew beside the one it replaces. Each reports its
// own failure, so the writer can check every one and tests can fail any one.
class FileSteps {
public:
    virtual ~FileSteps() = default;
    // Creates a new file from pattern, whose last six characters "XXXXXX" become
    // the name chosen, with the permission bits mode. Null on failure, leaving no file.
    virtual std::FILE* open(std::string& pattern, mode_t mode) = 0;
    // False unless every byte was taken.
    virtual bool write(std::FILE* file, std::string_view bytes) = 0;
    virtual bool flush(std::FILE* file) = 0;
    // Asks the disk to hold the file's bytes before it replaces anything.
    virtual bool sync(std::FILE* file) = 0;
    // The file is closed afterwards even when this reports a failure.
    virtual bool close(std::FILE* file) = 0;
    virtual bool rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    virtual void remove(const std::filesystem::path& path) = 0;
};
