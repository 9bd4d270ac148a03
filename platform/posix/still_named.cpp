#include "platform/posix/still_named.h"

#include <sys/stat.h>

bool still_named(int descriptor, const std::filesystem::path& name)
{
    struct stat open_file {};
    struct stat named {};
    return ::fstat(descriptor, &open_file) == 0 && ::lstat(name.c_str(), &named) == 0 &&
           open_file.st_dev == named.st_dev && open_file.st_ino == named.st_ino;
}
