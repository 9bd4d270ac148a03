#pragma once

// Uniform values in [0, 1) for the word draw.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

// Reseeded from the clock before every value, as each draw expects.
class ClockRandomSource final : public RandomSource {
public:
    double next() override;
};
