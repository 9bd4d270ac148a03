#pragma once
#include <functional>
#include <memory>
#include <optional>

struct LockKeys {
    bool caps_lock = false;
    bool num_lock = false;
};

// The keyboard's lock lights as the window system has them now; nothing when the
// platform does not tell (as under the offscreen platform of the tests).
std::optional<LockKeys> read_lock_keys();

// Tells of each change of the lock lights while it lives.
class LockKeyEvents {
public:
    virtual ~LockKeyEvents() = default;
};

// Calls changed whenever the window system says the lights changed, whichever
// program had the key; nothing where it sends no such events, and the lights
// must be asked for.
std::unique_ptr<LockKeyEvents> watch_lock_keys(std::function<void()> changed);
