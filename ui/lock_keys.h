#pragma once
#include <optional>

struct LockKeys {
    bool caps_lock = false;
    bool num_lock = false;
};

// The keyboard's lock lights as the window system has them now; nothing when the
// platform does not tell (as under the offscreen platform of the tests).
std::optional<LockKeys> read_lock_keys();
