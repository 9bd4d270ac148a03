#pragma once
#include "file_system.h"
#include "posix_file_steps.h"

// The files on the disk. A replacement is written to a temporary file beside the
// old one (".palabras.txt.XXXXXX"), flushed, synced and closed, and only then
// renamed over it, every step checked; the new file keeps the old one's
// permission bits.
class DiskFileSystem final : public FileSystem {
public:
    DiskFileSystem() : m_steps(m_posix) {}
    // Writes through steps instead of the real ones, so a test can fail any step.
    explicit DiskFileSystem(FileSteps& steps) : m_steps(steps) {}
    DiskFileSystem(const DiskFileSystem&) = delete;
    DiskFileSystem& operator=(const DiskFileSystem&) = delete;

    Read read(const std::filesystem::path& path, std::string& bytes) override;
    bool missing(const std::filesystem::path& path) override;
    bool replace(const std::filesystem::path& path, std::string_view bytes) override;

private:
    PosixFileSteps m_posix;
    FileSteps& m_steps;
};
