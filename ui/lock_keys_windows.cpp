#include <windows.h>

#include "ui/lock_keys.h"

// The toggle bit of the lock keys as this thread's input state has them.
std::optional<LockKeys> read_lock_keys()
{
    return LockKeys{(::GetKeyState(VK_CAPITAL) & 1) != 0, (::GetKeyState(VK_NUMLOCK) & 1) != 0};
}

// Windows tells a program of a light only with its own key presses: the lights are asked for.
std::unique_ptr<LockKeyEvents> watch_lock_keys(std::function<void()>)
{
    return nullptr;
}
