#include <gtest/gtest.h>

#include "case_name.h"

#include "text_format.h"
#include "utf8.h"

namespace {

using Encoding = TextFormat::Encoding;

struct FormatCase {
    const char* name;
    std::string bytes;
    Encoding encoding;
    char line_break;
};

class Detect : public testing::TestWithParam<FormatCase> {};

TEST_P(Detect, ReadsTheFileAsItWasWritten) {
    const auto& c = GetParam();
    EXPECT_EQ(text_format_of(c.bytes), (TextFormat{c.encoding, c.line_break}));
}

constexpr auto cp1252 = Encoding::windows_1252;
constexpr auto utf8 = Encoding::utf8;
const std::string a65(65, 'a');

INSTANTIATE_TEST_SUITE_P(
    Files, Detect,
    testing::Values(FormatCase{"empty_as_the_program_writes", "", cp1252, '\r'},
                    FormatCase{"no_line_end_yet", "Sol", cp1252, '\r'},
                    FormatCase{"program_file", "Canci\xF3n\r\nSol\r\n", cp1252, '\r'},
                    FormatCase{"one_cr_keeps_lf_as_text", "a\nb\nc\r", cp1252, '\r'},
                    FormatCase{"no_cr", "Canci\xF3n\nSol\n", cp1252, '\n'},
                    FormatCase{"ascii_stays_windows_1252", "Sol\nMar\n", cp1252, '\n'},
                    FormatCase{"utf8_lf", "cig\xC3\xBC" "e\xC3\xB1" "a\nSol\n", utf8, '\n'},
                    FormatCase{"utf8_cr_lf", "\xE2\x82\xAC\r\n", utf8, '\r'},
                    FormatCase{"utf8_highest", "\xF4\x8F\xBF\xBF", utf8, '\r'},
                    FormatCase{"overlong_slash", "\xC0\xAF", cp1252, '\r'},
                    FormatCase{"overlong_three_bytes", "\xE0\x80\xAF", cp1252, '\r'},
                    FormatCase{"surrogate", "\xED\xA0\x80", cp1252, '\r'},
                    FormatCase{"above_10FFFF", "\xF4\x90\x80\x80", cp1252, '\r'},
                    FormatCase{"cut_short_at_the_end", "a\xC3\xB1\xE2\x82", cp1252, '\r'},
                    // Long files are checked 64 bytes at a time, from the fourth byte on.
                    FormatCase{"sequence_across_blocks", a65 + "\xF0\x9F\x98\x80" + a65 + a65, utf8, '\r'},
                    FormatCase{"cut_short_across_blocks", a65 + "\xF0\x9F\x98" + a65 + a65, cp1252, '\r'},
                    FormatCase{"fault_after_a_plain_block", a65 + a65 + "\xB1" + a65, cp1252, '\r'}),
    CaseName{});

TEST(Utf8, EncodesEveryCharacterButSurrogatesAndBeyond10FFFF) {
    const std::string bytes = "\xC3\xB1\xE2\x82\xAC\xF0\x9F\x98\x80";
    EXPECT_EQ(encode_text(U"ñ€😀", TextFormat{utf8, '\n'}), bytes);
    EXPECT_EQ(decode_text(bytes, TextFormat{utf8, '\n'}), U"ñ€😀");
    EXPECT_TRUE(can_store(U'中', TextFormat{utf8, '\n'}));
    EXPECT_FALSE(can_store(U'中', TextFormat{cp1252, '\n'}));
    EXPECT_FALSE(utf8_can_store(char32_t{0xD800}));
    EXPECT_FALSE(utf8_can_store(char32_t{0x110000}));
    EXPECT_EQ(encode_text(std::u32string{U'a', char32_t{0x110000}}, TextFormat{utf8, '\n'}), std::nullopt);
}

} // namespace
