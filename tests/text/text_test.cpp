#include <gtest/gtest.h>

#include "text/composition.h"
#include "text/cp1252.h"
#include "text/lower_case.h"
#include "text/text_format.h"

namespace {

TEST(Codec, EveryByteReadsAndWritesBackAndOnlyWhatTheFileCanHoldIsWritten)
{
    constexpr TextFormat utf8{TextFormat::Encoding::utf8, '\n'};
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes.push_back(static_cast<char>(b));
    const std::u32string text = decode_cp1252(bytes);
    EXPECT_EQ(text.substr(0x80, 2), U"€\u0081");
    EXPECT_EQ(text[0x9F], U'Ÿ');
    EXPECT_EQ(encode_cp1252(text), bytes);
    for (char32_t c : {U'\u0080', U'\u009F', U'\u20AD', U'中', char32_t{0x110000}})
        EXPECT_EQ(encode_cp1252(std::u32string(U"ab") + c), std::nullopt) << unsigned(c);
    EXPECT_EQ(encode_text(U"ñ€😀", utf8), "\xC3\xB1\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(decode_text("\xC3\xB1\xE2\x82\xAC\xF0\x9F\x98\x80", utf8), U"ñ€😀");
    EXPECT_EQ(encode_text(std::u32string{U'a', char32_t{0xD800}}, utf8), std::nullopt);
    // The lost word as a speech synthesizer gets it: its capitals are no letter salad.
    EXPECT_EQ(lower_case(U"@AZ[ ÀÞ×ß Ñ"), U"@az[ àþ×ß ñ");
}

// Every letter with a mark of the game's own files, split and joined again; a
// mark with no letter of its own stays.
TEST(Composition, JoinsAndSplitsEveryMarkedLetterOfWindows1252)
{
    std::string bytes;
    for (int b = 0x20; b < 256; ++b)
        bytes.push_back(static_cast<char>(b));
    const std::u32string text = decode_cp1252(bytes);
    const std::u32string apart = decomposed(text);
    EXPECT_EQ(apart.size(), text.size() + 58);
    EXPECT_EQ(composed(text), text);
    EXPECT_EQ(composed(apart), text);
    EXPECT_EQ(decomposed(U"ÑçŸšy"), U"N\u0303c\u0327Y\u0308s\u030Cy");
    EXPECT_EQ(composed(U"\u0301a\u0303\u0301b\u0301"), U"\u0301ã\u0301b\u0301");
    // A file's first letter with a mark says how it writes them, wherever it stands.
    for (std::size_t n = 0; n < 140; ++n) {
        const std::string before(n, 'x');
        EXPECT_TRUE(text_format_of(before + "n\xCC\x83 \xC3\xB1").decomposed) << n;
        EXPECT_FALSE(text_format_of(before + "\xC5\xA0 n\xCC\x83").decomposed) << n;
    }
}

} // namespace
