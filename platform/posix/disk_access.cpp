#include "platform/disk_access.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/descriptor.h"
#include "platform/posix/still_named.h"

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

class DirectoryLock final : public FileLock {
public:
    explicit DirectoryLock(Descriptor directory) : m_directory(std::move(directory)) {}

private:
    Descriptor m_directory;
};

} // namespace

namespace disk_access {

FileSystem::Read read(const std::filesystem::path& path, std::string& bytes)
{
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.is_open())
        return errno == ENOENT ? FileSystem::Read::missing : FileSystem::Read::failed;
    return read_all(file.get(), bytes) ? FileSystem::Read::ok : FileSystem::Read::failed;
}

std::unique_ptr<FileLock> lock_directory(const std::filesystem::path& directory)
{
    Descriptor opened(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!opened.is_open())
        return nullptr;
    int locked = 0;
    do
        locked = ::flock(opened.get(), LOCK_EX);
    while (locked != 0 && errno == EINTR);
    if (locked != 0)
        return nullptr;
    return std::make_unique<DirectoryLock>(std::move(opened));
}

void remove_unless_held(const std::filesystem::path& name)
{
    // Not blocking on anything a name might stand for: a pipe, a device, a link.
    const Descriptor file(::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (file.is_open() && ::fstat(file.get(), &info) == 0 && S_ISREG(info.st_mode) &&
        ::flock(file.get(), LOCK_EX | LOCK_NB) == 0 && still_named(file.get(), name))
        ::unlink(name.c_str());
}

// Not inherited by a program the game might start.
Descriptor duplicate(const Descriptor& file)
{
    return Descriptor(::fcntl(file.get(), F_DUPFD_CLOEXEC, 0));
}

} // namespace disk_access
