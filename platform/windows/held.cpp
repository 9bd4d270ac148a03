#include "platform/windows/held.h"

#include <windows.h>

// A rename over a file another program has open reports access denied as often
// as a sharing violation: that is waited out too, so a lasting refusal of access
// is reported only after the whole wait.
bool wait_if_held(std::chrono::milliseconds pause)
{
    const DWORD error = ::GetLastError();
    if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION && error != ERROR_ACCESS_DENIED)
        return false;
    ::Sleep(static_cast<DWORD>(pause.count()));
    return true;
}
