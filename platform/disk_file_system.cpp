#include "platform/disk_file_system.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

#include "platform/descriptor.h"
#include "platform/leftovers.h"

namespace {

bool read_all(int descriptor, std::string& bytes)
{
    struct stat info {};
    // One byte beyond the size seen, so a file of that size ends in one pass.
    const auto expected = ::fstat(descriptor, &info) == 0 && info.st_size > 0
                              ? static_cast<std::size_t>(info.st_size) + 1
                              : std::size_t{4096};
    bytes.resize(expected);
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() * 2);
        const auto got = ::read(descriptor, bytes.data() + used, bytes.size() - used);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        used += static_cast<std::size_t>(got);
    }
    bytes.resize(used);
    return true;
}

// A flock on the directory: the files themselves are replaced by renames, so a
// lock on one would stay with the file it replaced.
class DirectoryLock final : public FileLock {
public:
    explicit DirectoryLock(Descriptor directory) : m_directory(std::move(directory)) {}

private:
    Descriptor m_directory;
};

// A new file gets the bits any program's new file gets: all read and write
// bits less the process's umask, which can only be read by setting it.
mode_t permission_bits(const std::filesystem::path& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

FileSystem::Read DiskFileSystem::read(const std::filesystem::path& path, std::string& bytes)
{
    bytes.clear();
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.is_open())
        return errno == ENOENT ? Read::missing : Read::failed;
    if (read_all(file.get(), bytes))
        return Read::ok;
    bytes.clear();
    return Read::failed;
}

bool DiskFileSystem::missing(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::status(path, error).type() == std::filesystem::file_type::not_found;
}

bool DiskFileSystem::replace(const std::filesystem::path& path, std::string_view bytes)
{
    if (!m_steps.writable(path))
        return false;
    TemporaryFile temporary;
    if (!m_steps.open(temporary, path, permission_bits(path)))
        return false;
    const bool written =
        m_steps.write(temporary.stream, bytes) && m_steps.flush(temporary.stream) && m_steps.sync(temporary.stream);
    const bool closed = m_steps.close(temporary.stream);
    if (!(written && closed && m_steps.link(temporary, path) && m_steps.rename(temporary.name, path))) {
        if (!temporary.name.empty())
            m_steps.remove(temporary.name);
        return false;
    }
    // The new bytes are in place, but until the directory is synced a power cut
    // could undo the rename: the caller hears of a failure.
    return m_steps.sync_directory(directory_of(path));
}

void DiskFileSystem::remove_leftovers(const std::filesystem::path& path)
{
    remove_leftover_temporaries(path);
}

std::unique_ptr<FileLock> DiskFileSystem::lock(const std::filesystem::path& path)
{
    Descriptor directory(::open(directory_of(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!directory.is_open())
        return nullptr;
    int locked = 0;
    do
        locked = ::flock(directory.get(), LOCK_EX);
    while (locked != 0 && errno == EINTR);
    if (locked != 0)
        return nullptr;
    return std::make_unique<DirectoryLock>(std::move(directory));
}
