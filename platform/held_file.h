#pragma once
#include <chrono>

// Another program (a virus scanner, the search indexer, a backup) may open a
// file just written and hold it for a moment, refusing to let it be replaced or
// read. A step it refuses is tried again ten times, waiting 25 ms longer each
// time, 1.375 s in all, before the failure is reported.
namespace held_file {

inline constexpr int retries = 10;
inline constexpr std::chrono::milliseconds first_pause{25};

// Runs attempt until it succeeds, fails for another reason than a hold
// (wait_if_held(pause) says false, without waiting) or the retries are spent.
template <class Attempt, class WaitIfHeld>
bool retry(Attempt attempt, WaitIfHeld wait_if_held)
{
    for (int retry = 1;; ++retry) {
        if (attempt())
            return true;
        if (retry > retries || !wait_if_held(first_pause * retry))
            return false;
    }
}

} // namespace held_file
