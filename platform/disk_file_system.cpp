#include "platform/disk_file_system.h"

#include <system_error>

#include "platform/disk_access.h"
#include "platform/held_file.h"
#include "platform/leftovers.h"

FileSystem::Read DiskFileSystem::read(const std::filesystem::path& path, std::string& bytes)
{
    bytes.clear();
    const Read result = disk_access::read(path, bytes);
    if (result != Read::ok)
        bytes.clear();
    return result;
}

bool DiskFileSystem::missing(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::status(path, error).type() == std::filesystem::file_type::not_found;
}

bool DiskFileSystem::replace(const std::filesystem::path& path, std::string_view bytes)
{
    // A read-only file is refused for good: no other program's hold.
    if (!m_steps.writable(path))
        return false;
    TemporaryFile temporary;
    if (!retried([&] { return m_steps.open(temporary, path); }))
        return false;
    const bool written =
        m_steps.write(temporary.stream, bytes) && m_steps.flush(temporary.stream) && m_steps.sync(temporary.stream);
    const bool closed = m_steps.close(temporary.stream);
    if (!(written && closed && m_steps.link(temporary, path) &&
          retried([&] { return m_steps.rename(temporary.name, path); }))) {
        if (!temporary.name.empty())
            m_steps.remove(temporary.name);
        return false;
    }
    // The new bytes are in place, but until the directory is synced a power cut
    // could undo the rename: the caller hears of a failure.
    return m_steps.sync_directory(directory_of(path));
}

bool DiskFileSystem::retried(const std::function<bool()>& step)
{
    return held_file::retry(step, [this](std::chrono::milliseconds pause) { return m_steps.wait_if_held(pause); });
}

void DiskFileSystem::remove_leftovers(const std::filesystem::path& path)
{
    remove_leftover_temporaries(path);
}

// A lock on the directory: the files themselves are replaced by renames, so a
// lock on one would stay with the file it replaced.
std::unique_ptr<FileLock> DiskFileSystem::lock(const std::filesystem::path& path)
{
    return disk_access::lock_directory(directory_of(path));
}
