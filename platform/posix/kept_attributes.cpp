#include "platform/posix/kept_attributes.h"

#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

#ifdef __linux__
// The kernel shows it here, so reading it changes nothing for other threads.
// Without /proc a new file is its owner's alone.
mode_t process_umask()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("Umask:"))
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
    }
    return 077;
}
#else
// It can only be read by setting it, so it is read as the program starts, before
// any thread could create a file with the wrong bits meanwhile.
const mode_t umask_at_start_up = [] {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}();

mode_t process_umask()
{
    return umask_at_start_up;
}
#endif

} // namespace

bool keep_attributes(int descriptor, const std::filesystem::path& path)
{
    struct stat old {};
    struct stat now {};
    if (::stat(path.c_str(), &old) != 0)
        return ::fchmod(descriptor, 0666 & ~process_umask()) == 0;
    if (::fstat(descriptor, &now) != 0)
        return false;
    // Changing the owners first, as a change by a user who is not root clears the set-ID bits.
    const bool owners_kept =
        (now.st_uid == old.st_uid && now.st_gid == old.st_gid) || ::fchown(descriptor, old.st_uid, old.st_gid) == 0;
    const bool group_kept =
        owners_kept || now.st_gid == old.st_gid || ::fchown(descriptor, static_cast<uid_t>(-1), old.st_gid) == 0;
    mode_t bits = old.st_mode & 07777;
    if (!group_kept)
        bits = (bits & ~mode_t{070}) | (bits & 07) << 3;
    return ::fchmod(descriptor, bits) == 0;
}
