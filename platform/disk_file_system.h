#pragma once
#include "platform/file_system.h"
#include "platform/posix_file_steps.h"

// The files on the disk. A file this user may not write is not replaced. A
// replacement is written to a temporary file in the same directory, flushed,
// synced and closed; only then is it named ".palabras.txt.XXXXXX" and renamed
// over the file, and the directory synced, every step checked; the new file keeps
// the old one's permission bits.
//
// The temporary file has no name until just before the rename (O_TMPFILE), so a
// kill at any other moment leaves nothing. Where the system cannot do that it is
// named as it is created (mkostemp), and a kill at any moment before the rename
// leaves it. Either way the writer holds a flock on it from before it is named
// until it is renamed, and remove_leftovers removes only files whose lock it can
// get. A named file is open to remove_leftovers in the moment between mkostemp
// and the lock: its writer then finds the name gone and fails the write.
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
    void remove_leftovers(const std::filesystem::path& path) override;
    std::unique_ptr<FileLock> lock(const std::filesystem::path& path) override;

private:
    PosixFileSteps m_posix;
    FileSteps& m_steps;
};
