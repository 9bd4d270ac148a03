#pragma once
#include <string>

#include <gtest/gtest.h>

// Names each row of a test table after its `name` field.
struct CaseName {
    template <class Case>
    std::string operator()(const testing::TestParamInfo<Case>& row) const
    {
        return row.param.name;
    }
};
