#pragma once
#include <deque>

#include "platform/random_source.h"

// Gives the values queued, then `then` for ever, so a test can pin the lines drawn.
class ScriptedRandom final : public RandomSource {
public:
    std::deque<double> values;
    double then = 0.0;
    double next() override
    {
        if (values.empty())
            return then;
        const double value = values.front();
        values.pop_front();
        return value;
    }
};
