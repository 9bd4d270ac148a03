#include <gtest/gtest.h>

#include "random_source.h"

namespace {

// A value of 1 would make the draw pick a line past the end.
TEST(ClockRandomSource, StaysInTheUnitInterval) {
    ClockRandomSource random;
    for (int i = 0; i < 10000; ++i) {
        const double r = random.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
}

} // namespace
