#pragma once
#include <functional>

#include "platform/file_system.h"
#include "platform/system_file_steps.h"

// The files on the disk. A file this user may not write is not replaced. A
// replacement is written to a temporary file in the same directory, flushed,
// synced and closed; only then is it named ".palabras.txt.XXXXXX" (where the
// system allows a file without a name until then) and renamed over the file, and
// the rename made to last, every step checked. The creation and the rename are
// tried again for a moment while another program holds the file. A kill before
// the rename leaves at most that temporary file, which remove_leftovers removes
// once no writer holds it.
class DiskFileSystem final : public FileSystem {
public:
    DiskFileSystem() : m_steps(m_system) {}
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
    // step, tried again while another program holds the file (platform/held_file.h).
    bool retried(const std::function<bool()>& step);

    SystemFileSteps m_system;
    FileSteps& m_steps;
};
