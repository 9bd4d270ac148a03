#include "platform/random_source.h"

#include <chrono>
#include <cstdint>

namespace {

// The finaliser of splitmix64 turns each fresh seed into a well-mixed value at
// once; a seeded Mersenne Twister would first fill 2.5 KB of state per draw.
std::uint64_t mixed(std::uint64_t seed)
{
    seed += 0x9E3779B97F4A7C15u;
    seed = (seed ^ (seed >> 30)) * 0xBF58476D1CE4E5B9u;
    seed = (seed ^ (seed >> 27)) * 0x94D049BB133111EBu;
    return seed ^ (seed >> 31);
}

} // namespace

double ClockRandomSource::next()
{
    const auto seed = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    // 53 random bits scaled by 2^-53 can never round up to 1.
    return static_cast<double>(mixed(seed) >> 11) * 0x1.0p-53;
}
