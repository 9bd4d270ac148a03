#pragma once
#include "random_source.h"

// Gives the value set, so a test can pin the line a draw picks.
class FixedRandom final : public RandomSource {
public:
    explicit FixedRandom(double r = 0.0) : value(r) {}
    double next() override { return value; }
    double value;
};
