#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

// Held while it lives; see FileSystem::lock.
class FileLock {
public:
    virtual ~FileLock() = default;
};

// Every file the game touches goes through here, one whole file per call, so no
// file stays open between two user actions.
class FileSystem {
public:
    enum class Read { ok, missing, failed };

    virtual ~FileSystem() = default;
    // Fills bytes with the whole file; `missing` only when nothing is at path.
    virtual Read read(const std::filesystem::path& path, std::string& bytes) = 0;
    virtual bool missing(const std::filesystem::path& path) = 0;
    // Replaces the file atomically: afterwards path holds either its old bytes or
    // the new ones, never a mix, and no temporary file is left. False on failure,
    // and when the file is one this user may not write, which is left as it is.
    // A failure after the new bytes took their place (they might not survive a
    // power cut) is a failure too, with path holding the new bytes.
    virtual bool replace(const std::filesystem::path& path, std::string_view bytes) = 0;
    // Removes what replacements of path killed midway left behind, never the
    // temporary file of a replacement still running, in this or another process.
    virtual void remove_leftovers(const std::filesystem::path& path) = 0;
    // Waits until no other copy of the game holds the lock of path's directory, and
    // holds it while the result lives, so a read and the replace that follows see
    // no other copy's write between them. Where no lock can be had it holds none,
    // as a file system that only one program uses needs none.
    virtual std::unique_ptr<FileLock> lock(const std::filesystem::path&) { return nullptr; }
};
