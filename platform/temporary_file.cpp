#include "platform/temporary_file.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string prefix_name(const std::filesystem::path& file)
{
    // Built by appending: GCC 12 warns falsely on "." + std::string at -O3 (its bug 105329).
    std::string name = ".";
    name += file.filename().string();
    name += '.';
    return name;
}

} // namespace

std::string temporary_prefix(const std::filesystem::path& file)
{
    return (file.parent_path() / prefix_name(file)).string();
}

bool is_temporary_name(const std::filesystem::path& file, std::string_view name)
{
    const std::string prefix = prefix_name(file);
    return name.size() == prefix.size() + TemporaryFile::random_length && name.starts_with(prefix) &&
           name.find_first_not_of(TemporaryFile::random_characters, prefix.size()) == std::string_view::npos;
}

std::filesystem::path directory_of(const std::filesystem::path& file)
{
    auto directory = file.parent_path();
    return directory.empty() ? "." : directory;
}

bool still_named(int descriptor, const std::string& name)
{
    struct stat open_file {};
    struct stat named {};
    return ::fstat(descriptor, &open_file) == 0 && ::lstat(name.c_str(), &named) == 0 &&
           open_file.st_dev == named.st_dev && open_file.st_ino == named.st_ino;
}
