#include "platform/leftovers.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/descriptor.h"
#include "platform/temporary_file.h"

namespace {

void remove_unless_held(const std::string& name)
{
    // Not blocking on anything a name might stand for: a pipe, a device, a link.
    const Descriptor file(::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (file.is_open() && ::fstat(file.get(), &info) == 0 && S_ISREG(info.st_mode) &&
        ::flock(file.get(), LOCK_EX | LOCK_NB) == 0 && still_named(file.get(), name))
        ::unlink(name.c_str());
}

} // namespace

void remove_leftover_temporaries(const std::filesystem::path& file)
{
    std::error_code error;
    std::filesystem::directory_iterator entry(directory_of(file), error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        if (is_temporary_name(file, entry->path().filename().string()))
            remove_unless_held(entry->path().string());
    }
}
