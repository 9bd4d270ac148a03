#include "platform/current_directory.h"

#include <system_error>

std::filesystem::path ProcessDirectory::path() const
{
    // A directory removed under the running game gives an empty path: the data
    // files then simply cannot be found.
    std::error_code error;
    auto directory = std::filesystem::current_path(error);
    return error ? std::filesystem::path{} : directory;
}
