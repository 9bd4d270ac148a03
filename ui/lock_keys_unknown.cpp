#include "ui/lock_keys.h"

std::optional<LockKeys> read_lock_keys()
{
    return std::nullopt;
}

std::unique_ptr<LockKeyEvents> watch_lock_keys(std::function<void()>)
{
    return nullptr;
}
