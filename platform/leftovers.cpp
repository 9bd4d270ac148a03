#include "platform/leftovers.h"

#include "platform/disk_access.h"
#include "platform/temporary_file.h"

void remove_leftover_temporaries(const std::filesystem::path& file)
{
    std::error_code error;
    std::filesystem::directory_iterator entry(directory_of(file), error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        if (is_temporary_name(file, entry->path().filename()))
            disk_access::remove_unless_held(entry->path());
    }
}
