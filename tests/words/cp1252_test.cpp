#include <gtest/gtest.h>

#include "case_name.h"

#include "cp1252.h"

namespace {

TEST(Cp1252, EveryByteDecodesToOneCharacterAndEncodesBack) {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes.push_back(static_cast<char>(b));
    const auto text = decode_cp1252(bytes);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(encode_cp1252(text), bytes);
}

struct Mapping {
    const char* name;
    unsigned char byte;
    char32_t character;
};

class Cp1252Mapping : public testing::TestWithParam<Mapping> {};

TEST_P(Cp1252Mapping, DecodesAndEncodesTheSameCharacter) {
    const auto& m = GetParam();
    const std::string byte(1, static_cast<char>(m.byte));
    EXPECT_EQ(decode_cp1252(byte), std::u32string(1, m.character));
    EXPECT_TRUE(cp1252_can_store(m.character));
    EXPECT_EQ(encode_cp1252(std::u32string(1, m.character)), byte);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, Cp1252Mapping,
    testing::Values(Mapping{"euro", 0x80, U'€'}, Mapping{"empty_81", 0x81, U'\u0081'},
                    Mapping{"empty_9D", 0x9D, U'\u009D'}, Mapping{"y_diaeresis", 0x9F, U'Ÿ'},
                    Mapping{"no_break_space", 0xA0, U'\u00A0'}, Mapping{"n_tilde_capital", 0xD1, U'Ñ'},
                    Mapping{"c_cedilla", 0xE7, U'ç'}),
    CaseName{});

class Cp1252Unstorable : public testing::TestWithParam<char32_t> {};

// U+0080 to U+009F other than the five empty bytes have no byte: their bytes
// stand for other characters.
TEST_P(Cp1252Unstorable, IsRefusedWholeText) {
    EXPECT_FALSE(cp1252_can_store(GetParam()));
    EXPECT_EQ(encode_cp1252(std::u32string(U"ab") + GetParam()), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Characters, Cp1252Unstorable,
                         testing::Values(U'\u0080', U'\u0085', U'\u009F', U'\u0100', U'\u20AD',
                                         U'\u4E2D', U'\U0001F600', char32_t{0x110000}));

} // namespace
