#pragma once
#include <chrono>

// Asked right after a call failed: when it met a file another program holds for
// a moment (a sharing, lock or access-denied error), waits pause and says the
// call is worth another try.
bool wait_if_held(std::chrono::milliseconds pause);
