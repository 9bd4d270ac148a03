#include "platform/posix/posix_file_steps.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/posix/kept_attributes.h"
#include "platform/posix/still_named.h"

namespace {

std::string descriptor_link(int descriptor)
{
    return "/proc/self/fd/" + std::to_string(descriptor);
}

// A file without a name in directory, or -1. Without /proc it could never get a
// name, so it is refused as by a kernel or file system that lacks O_TMPFILE.
Descriptor open_unnamed(const std::filesystem::path& directory)
{
    Descriptor file(::open(directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (file.is_open() && ::access(descriptor_link(file.get()).c_str(), F_OK) != 0)
        file.reset();
    return file;
}

Descriptor open_named(std::filesystem::path& name, const std::filesystem::path& path)
{
    std::string pattern = temporary_prefix(path).string() + "XXXXXX";
    Descriptor file(::mkostemp(pattern.data(), O_CLOEXEC));
    if (file.is_open())
        name = std::move(pattern);
    return file;
}

// A named file was open to a start-up's clearing of leftovers until it was
// locked: it is the writer's only while its name still refers to it.
bool lock(TemporaryFile& file)
{
    if (::flock(file.descriptor.get(), LOCK_EX) != 0)
        return false;
    if (file.name.empty() || still_named(file.descriptor.get(), file.name))
        return true;
    file.name.clear();
    return false;
}

} // namespace

bool PosixFileSteps::writable(const std::filesystem::path& path)
{
    // Asked for the effective user, as opening the file would be; a missing file is made anew.
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0 || errno == ENOENT;
}

bool PosixFileSteps::open(TemporaryFile& file, const std::filesystem::path& path)
{
    // Any refusal of the unnamed way falls back to the named one: EISDIR from an
    // old kernel, EOPNOTSUPP from a file system without it, and real failures,
    // which the named way meets again.
    if (m_naming == Naming::late)
        file.descriptor = open_unnamed(directory_of(path));
    if (!file.descriptor.is_open())
        file.descriptor = open_named(file.name, path);
    if (!file.descriptor.is_open())
        return false;
    // Both ways make a file only its owner may read until it is locked.
    if (lock(file) && keep_attributes(file.descriptor.get(), path))
        file.stream = open_stream(file.descriptor);
    if (file.stream != nullptr)
        return true;
    if (!file.name.empty())
        ::unlink(file.name.c_str());
    file.name.clear();
    file.descriptor.reset();
    return false;
}

bool PosixFileSteps::sync(std::FILE* file)
{
    return ::fsync(::fileno(file)) == 0;
}

bool PosixFileSteps::link(TemporaryFile& file, const std::filesystem::path& path)
{
    if (!file.name.empty())
        return true;
    const std::string from = descriptor_link(file.descriptor.get());
    const std::string prefix = temporary_prefix(path).string();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix + random_suffix();
        if (::linkat(AT_FDCWD, from.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            file.name = std::move(name);
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool PosixFileSteps::rename(const std::filesystem::path& from, const std::filesystem::path& to)
{
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool PosixFileSteps::sync_directory(const std::filesystem::path& directory)
{
    const Descriptor file(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return file.is_open() && ::fsync(file.get()) == 0;
}

void PosixFileSteps::remove(const std::filesystem::path& path)
{
    ::unlink(path.c_str());
}
