#include <gtest/gtest.h>

#include "case_name.h"

#include <limits>

#include "decimal.h"

namespace {

struct ValueCase {
    const char* name;
    std::u32string text;
    std::optional<std::int64_t> value;
};

class WholeNumber : public testing::TestWithParam<ValueCase> {};

TEST_P(WholeNumber, ReadsWholeDecimalNumbersOnly) {
    EXPECT_EQ(whole_number(GetParam().text), GetParam().value);
}

constexpr auto most = std::numeric_limits<std::int64_t>::max();
constexpr auto least = std::numeric_limits<std::int64_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Texts, WholeNumber,
    testing::Values(ValueCase{"blanks_around", U" \t2000 ", 2000}, ValueCase{"plus", U"+5", 5},
                    ValueCase{"minus", U"-7", -7}, ValueCase{"empty", U"", std::nullopt},
                    ValueCase{"trailing_letter", U"12a", std::nullopt},
                    ValueCase{"blank_inside", U"1 2", std::nullopt}, ValueCase{"sign_only", U"-", std::nullopt},
                    ValueCase{"full_width_digits", U"１２", std::nullopt},
                    ValueCase{"largest", U"9223372036854775807", most},
                    ValueCase{"smallest", U"-9223372036854775808", least},
                    ValueCase{"too_large_saturates", U"99999999999999999999", most},
                    ValueCase{"too_small_saturates", U"-99999999999999999999", least}),
    CaseName{});

} // namespace
