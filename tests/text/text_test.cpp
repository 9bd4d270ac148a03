#include <gtest/gtest.h>

#include <limits>

#include "text/cp1252.h"
#include "text/decimal.h"
#include "text/line_reader.h"
#include "text/text_format.h"
#include "text/utf8.h"
#include "words/line_index.h"

namespace {

using Encoding = TextFormat::Encoding;
constexpr TextFormat cp1252_cr{Encoding::windows_1252, '\r'}, cp1252_lf{Encoding::windows_1252, '\n'};
constexpr TextFormat utf8_cr{Encoding::utf8, '\r'}, utf8_lf{Encoding::utf8, '\n'};

TEST(Codec, EveryByteReadsAndWritesBackAndOnlyWhatTheFileCanHoldIsWritten)
{
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes.push_back(static_cast<char>(b));
    const std::u32string text = decode_cp1252(bytes);
    EXPECT_EQ(text.substr(0x80, 2), U"€\u0081");
    EXPECT_EQ(text[0x9F], U'Ÿ');
    EXPECT_EQ(encode_cp1252(text), bytes);
    for (char32_t c : {U'\u0080', U'\u009F', U'\u20AD', U'中', char32_t{0x110000}})
        EXPECT_EQ(encode_cp1252(std::u32string(U"ab") + c), std::nullopt) << unsigned(c);
    EXPECT_EQ(encode_text(U"ñ€😀", utf8_lf), "\xC3\xB1\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(decode_text("\xC3\xB1\xE2\x82\xAC\xF0\x9F\x98\x80", utf8_lf), U"ñ€😀");
    EXPECT_EQ(encode_text(std::u32string{U'a', char32_t{0xD800}}, utf8_lf), std::nullopt);
}

TEST(WholeNumber, ReadsWholeDecimalNumbersOnlyAndSaturates)
{
    constexpr auto most = std::numeric_limits<std::int64_t>::max();
    const std::pair<std::u32string, std::optional<std::int64_t>> cases[] = {{U" \t2000 ", 2000},
                                                                            {U"+5", 5},
                                                                            {U"-7", -7},
                                                                            {U"", std::nullopt},
                                                                            {U"12a", std::nullopt},
                                                                            {U"1 2", std::nullopt},
                                                                            {U"-", std::nullopt},
                                                                            {U"１２", std::nullopt},
                                                                            {U"9223372036854775807", most},
                                                                            {U"99999999999999999999", most},
                                                                            {U"-99999999999999999999", -most - 1}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(whole_number(text), value) << std::string(text.begin(), text.end());
}

// The index notes line ends every 15,360 bytes; counting and finding a line must
// agree with reading the lines one by one, whatever the file's format.
TEST(LineRule, SplitsCountsAndFindsAlike)
{
    const std::string s(15360, 'a');
    const std::pair<std::string, std::vector<std::string>> files[] = {
        {"", {}},
        {"a\r\nb\r\nc", {"a", "b", "c"}},
        {"a\nb\r\nc\n", {"a\nb", "c\n"}}, // a lone LF is text where CRs end lines
        {"a\r\rb\r", {"a", "", "b"}},
        {"a\r\n\nb", {"a", "\nb"}},
        {"a\nb\n\nc", {"a", "b", "", "c"}}, // a file without CR ends its lines at LF
        // Mended: a first line longer than the stride came out cut.
        {s + "aaa\r\nb", {s + "aaa", "b"}},
        {std::string(13 * 15360 + 320, 'x'), {std::string(13 * 15360 + 320, 'x')}},
        {"a\r\n" + s.substr(4) + "\r\n" + s + "b\r\nc", {"a", s.substr(4), s + "b", "c"}},
        {"a\n" + s.substr(3) + "\n" + s + "\nb", {"a", s.substr(3), s, "b"}}};
    for (const auto& [bytes, lines] : files) {
        const TextFormat format = text_format_of(bytes);
        LineReader reader(bytes, format);
        std::vector<std::string> read;
        for (std::string_view line; reader.next(line);)
            read.emplace_back(line);
        EXPECT_EQ(read, lines) << bytes.substr(0, 12);
        const LineIndex index(bytes, format);
        ASSERT_EQ(index.count(), static_cast<std::int64_t>(lines.size()));
        for (std::size_t k = 1; k <= lines.size(); ++k)
            EXPECT_EQ(index.line(static_cast<std::int64_t>(k)), lines[k - 1]) << "line " << k;
    }
}

// A Windows-1252 file with an accented letter is never valid UTF-8; only strictly
// valid UTF-8 with some character beyond ASCII is read as UTF-8.
TEST(TextFormat, ReadsAFileAsItWasWritten)
{
    const std::string a65(65, 'a');
    const std::pair<std::string, TextFormat> files[] = {
        {"", cp1252_cr},
        {"Canci\xF3n\r\nSol\r\n", cp1252_cr},
        {"a\nb\nc\r", cp1252_cr},
        {"Canci\xF3n\nSol\n", cp1252_lf},
        {"Sol\nMar\n", cp1252_lf},
        {"cig\xC3\xBC"
         "e\xC3\xB1"
         "a\nSol\n",
         utf8_lf},
        {"\xE2\x82\xAC\r\n", utf8_cr},
        {"\xF4\x8F\xBF\xBF", utf8_cr},
        {"\xC0\xAF", cp1252_cr},
        {"\xE0\x80\xAF", cp1252_cr},
        {"\xED\xA0\x80", cp1252_cr},
        {"\xF4\x90\x80\x80", cp1252_cr},
        {"a\xC3\xB1\xE2\x82", cp1252_cr},
        // Checked 64 bytes at a time: sequences across the blocks' edges.
        {a65 + "\xF0\x9F\x98\x80" + a65 + a65, utf8_cr},
        {a65 + "\xF0\x9F\x98" + a65 + a65, cp1252_cr},
        {a65 + a65 + "\xB1" + a65, cp1252_cr}};
    for (const auto& [bytes, format] : files)
        EXPECT_EQ(text_format_of(bytes), format) << bytes.substr(0, 12);
}

} // namespace
