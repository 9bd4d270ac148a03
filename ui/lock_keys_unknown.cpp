#include "ui/lock_keys.h"

std::optional<LockKeys> read_lock_keys()
{
    return std::nullopt;
}
