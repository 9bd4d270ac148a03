#pragma once
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string_view>

#include "platform/temporary_file.h"

// The steps of writing a file anew beside the one it replaces. Each reports its
// own failure, so the writer can check every one and tests can fail any one.
class FileSteps {
public:
    virtual ~FileSteps() = default;
    // False when path is there and this process may not write it (for root, only
    // what the system refuses): a read-only file is never replaced, even in a
    // directory that would let it be.
    virtual bool writable(const std::filesystem::path& path) = 0;
    // Creates a temporary file to replace path, with the permissions path has (or
    // a new file's), held from before it has a name so no start-up takes it for a
    // leftover. Where the file system allows it the file has no name yet, so a
    // kill leaves nothing; elsewhere it is named at once. False on failure,
    // leaving no file.
    virtual bool open(TemporaryFile& file, const std::filesystem::path& path) = 0;
    // False unless every byte was taken.
    virtual bool write(std::FILE* file, std::string_view bytes) = 0;
    virtual bool flush(std::FILE* file) = 0;
    // Asks the disk to hold the file's bytes before it replaces anything.
    virtual bool sync(std::FILE* file) = 0;
    // Closes the stream; the file stays open, and locked, through its descriptor.
    // The stream is closed afterwards even when this reports a failure.
    virtual bool close(std::FILE* file) = 0;
    // Gives a file without a name one beside path, just before it is renamed over
    // path; a file with a name keeps it.
    virtual bool link(TemporaryFile& file, const std::filesystem::path& path) = 0;
    virtual bool rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // Makes a finished rename in directory survive a power cut.
    virtual bool sync_directory(const std::filesystem::path& directory) = 0;
    virtual void remove(const std::filesystem::path& path) = 0;
    // Asked right after a step failed: when another program held the file for a
    // moment, waits pause and says the step is worth another try. Nothing holds a
    // file that way on POSIX.
    virtual bool wait_if_held(std::chrono::milliseconds /*pause*/) { return false; }
};
