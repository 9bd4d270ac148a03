#include <gtest/gtest.h>

#include "case_name.h"

#include <string>
#include <vector>

#include "line_index.h"
#include "line_reader.h"
#include "text_format.h"

namespace {

struct LineCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

class LineRule : public testing::TestWithParam<LineCase> {};

std::vector<std::string> split(std::string_view bytes) {
    LineReader reader(bytes, text_format_of(bytes));
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.next(line))
        lines.emplace_back(line);
    return lines;
}

// Counting and finding a line must agree with reading the lines one by one.
void expect_same_lines(std::string_view bytes, const std::vector<std::string>& lines) {
    const LineIndex index(bytes, text_format_of(bytes));
    EXPECT_EQ(index.count(), static_cast<std::int64_t>(lines.size()));
    for (std::size_t k = 1; k <= lines.size(); ++k)
        EXPECT_EQ(index.line(static_cast<std::int64_t>(k)), lines[k - 1]) << "line " << k;
}

TEST_P(LineRule, SplitsCountsAndFindsAlike) {
    const auto& c = GetParam();
    EXPECT_EQ(split(c.bytes), c.lines);
    expect_same_lines(c.bytes, c.lines);
}

// The index notes line ends every 15,360 bytes.
constexpr std::size_t stride = 15360;
const std::string a_stride_of_a(stride, 'a');

INSTANTIATE_TEST_SUITE_P(
    Files, LineRule,
    testing::Values(LineCase{"empty_file_has_no_line", "", {}},
                    LineCase{"unterminated_last_line_counts", "a\r\nb\r\nc", {"a", "b", "c"}},
                    LineCase{"trailing_cr_lf_adds_no_line", "a\r\nb\r\n", {"a", "b"}},
                    LineCase{"lone_lf_is_text", "a\nb\r\nc\n", {"a\nb", "c\n"}},
                    LineCase{"cr_cr_is_an_empty_line", "a\r\rb", {"a", "", "b"}},
                    LineCase{"lone_cr_ends_a_line", "a\rb\r", {"a", "b"}},
                    LineCase{"only_one_lf_is_skipped", "a\r\n\nb", {"a", "\nb"}},
                    LineCase{"empty_lines", "\r\n\r\n", {"", ""}},
                    LineCase{"lf_cr_is_text_then_end", "\n\r\n", {"\n"}},
                    LineCase{"without_cr_lf_ends_a_line", "a\nb\n\nc", {"a", "b", "", "c"}},
                    LineCase{"without_any_end_one_line", "a b", {"a b"}},
                    // Line 1 was once cut to the part in the stride of its end.
                    LineCase{"long_first_line", a_stride_of_a + "aaa\r\nb", {a_stride_of_a + "aaa", "b"}},
                    LineCase{"one_line_of_many_strides", std::string(13 * stride + 320, 'x'),
                             {std::string(13 * stride + 320, 'x')}},
                    LineCase{"cr_ends_a_stride_its_lf_starts_the_next",
                             "a\r\n" + a_stride_of_a.substr(4) + "\r\n" + a_stride_of_a + "b\r\nc",
                             {"a", a_stride_of_a.substr(4), a_stride_of_a + "b", "c"}},
                    LineCase{"lf_ends_a_stride", "a\n" + a_stride_of_a.substr(3) + "\n" + a_stride_of_a + "\nb",
                             {"a", a_stride_of_a.substr(3), a_stride_of_a, "b"}}),
    CaseName{});

// Long files are counted in blocks and strides; line ends of every kind fall on their edges.
TEST(LineRule, LongFileCountsAndFindsEveryLine) {
    const std::string_view ends[] = {"\r\n", "\r", "\r\n", "\n\r"};
    std::string bytes;
    for (int i = 0; i < 6000; ++i)
        bytes += (i % 7 == 0 ? std::string() : "w" + std::to_string(i)) + std::string(ends[i % 4]);
    bytes += "last";
    const auto lines = split(bytes);
    ASSERT_EQ(lines.size(), 6001u);
    EXPECT_EQ(lines[2], "w2");
    EXPECT_EQ(lines[3], "w3\n");
    expect_same_lines(bytes, lines);
}

} // namespace
