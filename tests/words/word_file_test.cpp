#include <gtest/gtest.h>

#include "case_name.h"

#include <cmath>
#include <optional>

#include "disk_file_system.h"
#include "fixed_random.h"
#include "line_reader.h"
#include "spanish_words.h"
#include "temporary_directory.h"
#include "text_format.h"
#include "word_file.h"

namespace {

class WordFileTest : public testing::Test {
protected:
    TemporaryDirectory dir;
    DiskFileSystem files;
    FixedRandom random;
    WordFile words{files, dir, random};
};

TEST_F(WordFileTest, CreateWritesTheBuiltInWordsInWindows1252) {
    EXPECT_TRUE(words.missing());
    ASSERT_TRUE(words.create());
    EXPECT_FALSE(words.missing());
    EXPECT_EQ(words.path(), dir.path() / "palabras.txt");
    EXPECT_EQ(dir.read("palabras.txt"),
              "Calle\r\nCoChE\r\nMoTo\r\nMaNteQuIlla\r\nMiErDa\r\nSilla\r\nMeSa\r\nBoMbIllA\r\n"
              "BoLi\r\nBaR\xE7"
              "A\r\nMoRaSqO\r\nArMaRiO\r\nDaNoNe\r\nNiKe\r\nAdIdAs\r\nFeo\r\nToNtO\r\n"
              "PiZarrA\r\nOrDeNaDoR\r\nInTeRnEt\r\nTeClAdO\r\nRaToN\r\nAlFoMbRa\r\nDiBuJo\r\n"
              "HoJa\r\n\xC1rBoL\r\nCaMi\xD3n\r\nEsTaDiO\r\nFuTbOl\r\nPeLoTa\r\nGaFaS\r\nLeTrA\r\n"
              "WiNdOwS\r\nM\xF3ViL\r\nVeNtAnA\r\nCrIsTaL\r\nEsCaLeRaS\r\nQUIRO\r\nChAtEaR\r\n"
              "JuGaR\r\nCorrEr\r\nCoCiNa\r\nHaBiTaCi\xD3n\r\nL\xE1MpArA\r\nCoMiDa\r\nJeRsEi\r\n"
              "PaNtAlOnEs\r\nCaMiSa\r\nBaMbAs\r\nZaPaToS\r\nReLoJ\r\nChiClE\r\nCaRpEtA\r\n"
              "CoLoReS\r\nAzUl\r\nRoJo\r\n");
}

struct DrawCase {
    const char* name;
    std::optional<std::string> file; // nothing: no file at all
    double r;
    std::u32string word;
    std::int64_t word_count;
    bool file_has_words;
};

class Draw : public WordFileTest, public testing::WithParamInterface<DrawCase> {};

TEST_P(Draw, PicksTheLineOfR) {
    const auto& c = GetParam();
    if (c.file)
        dir.write("palabras.txt", *c.file);
    random.value = c.r;
    const auto drawn = words.draw();
    EXPECT_EQ(drawn.word, c.word);
    EXPECT_EQ(drawn.word_count, c.word_count);
    EXPECT_EQ(drawn.file_has_words, c.file_has_words);
}

const std::string abc = "a\r\nb\r\nc";
const double just_below_one = std::nextafter(1.0, 0.0);

INSTANTIATE_TEST_SUITE_P(
    Files, Draw,
    testing::Values(DrawCase{"k_0_gives_the_last_line", abc, 0.0, U"c", 3, true},
                    DrawCase{"k_count_gives_the_last_line", abc, just_below_one, U"c", 3, true},
                    DrawCase{"k_1_gives_the_first_line", abc, 0.34, U"a", 3, true},
                    DrawCase{"middle_line", "a\r\nb\r\nc\r\nd\r\ne\r\n", 0.7, U"c", 5, true},
                    DrawCase{"one_line_always", "Sol\r\n", 0.5, U"Sol", 1, true},
                    DrawCase{"empty_line_gives_empty_word", "a\r\n\r\nc\r\n", 0.7, U"", 3, true},
                    DrawCase{"windows_1252_and_case_kept", "BaR\xE7" "A\r\n", 0.5, U"BaRçA", 1, true},
                    DrawCase{"only_empty_lines", "\r\n\r\n", 0.6, U"", 2, false},
                    DrawCase{"empty_file", "", 0.5, U"", 0, false},
                    // A first line of 15,360 bytes or more once came out cut.
                    DrawCase{"long_first_line_whole", std::string(20000, 'a') + "\r\nb", 0.7,
                             std::u32string(20000, U'a'), 2, true},
                    DrawCase{"missing_file", std::nullopt, 0.5, U"", 0, false}),
    CaseName{});

TEST_F(WordFileTest, EachDrawCountsTheLinesAfresh) {
    dir.write("palabras.txt", abc);
    EXPECT_EQ(words.draw().word_count, 3);
    EXPECT_EQ(words.draw().word_count, 3);
}

std::string numbered_lines(int count) {
    std::string bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "w" + std::to_string(i) + "\r\n";
    return bytes;
}

// The line count once was a 16-bit number, which a file of 40,000 lines overflowed.
TEST_F(WordFileTest, DrawsFromAFileBeyond32767Lines) {
    dir.write("palabras.txt", numbered_lines(40000));
    random.value = 0.875;
    const auto drawn = words.draw();
    EXPECT_EQ(drawn.word_count, 40000);
    EXPECT_EQ(drawn.word, U"w35000");
}

// Above 2^24 lines a single-precision product skips lines; this one it could
// never reach.
TEST_F(WordFileTest, DrawsEveryLineOfAHugeFile) {
    const std::int64_t count = (std::int64_t{1} << 24) + 3;
    dir.write("palabras.txt", std::string(static_cast<std::size_t>(count - 3), '\r') + "x\ry\rz");
    random.value = (static_cast<double>(count) - 0.5) / static_cast<double>(count);
    const auto drawn = words.draw();
    EXPECT_EQ(drawn.word_count, count);
    EXPECT_EQ(drawn.word, U"y");
}

struct AppendCase {
    const char* name;
    std::optional<std::string> before;
    std::u32string word;
    std::string after;
};

class Append : public WordFileTest, public testing::WithParamInterface<AppendCase> {};

TEST_P(Append, AddsTheWordAsANewLastLine) {
    const auto& c = GetParam();
    if (c.before)
        dir.write("palabras.txt", *c.before);
    EXPECT_EQ(words.append(c.word), WordFile::Append::added);
    EXPECT_EQ(dir.read("palabras.txt"), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Append,
    testing::Values(AppendCase{"missing_file_is_created", std::nullopt, U"Pez", "Pez\r\n"},
                    AppendCase{"after_terminated_line", "Sol\r\n", U"Pez", "Sol\r\nPez\r\n"},
                    AppendCase{"never_joins_an_unterminated_word", "Sol\r\nMar", U"Pez",
                               "Sol\r\nMar\r\nPez\r\n"},
                    AppendCase{"after_lone_cr", "Sol\r", U"Pez", "Sol\rPez\r\n"},
                    AppendCase{"without_line_end_yet", "Sol", U"Pez", "Sol\r\nPez\r\n"},
                    AppendCase{"list_broken_at_lf", "Sol\nMar", U"Pez", "Sol\nMar\nPez\n"},
                    AppendCase{"after_text_ending_in_lf", "Sol\r\nMar\n", U"Pez", "Sol\r\nMar\n\r\nPez\r\n"},
                    AppendCase{"kept_as_typed_even_twice", "Sol\r\n", U"Sol", "Sol\r\nSol\r\n"},
                    AppendCase{"windows_1252", "", U"Ñandú €", "\xD1" "and\xFA \x80\r\n"}),
    CaseName{});

TEST_F(WordFileTest, RefusesAWordTheFileCannotHold) {
    dir.write("palabras.txt", "Sol\r\n");
    EXPECT_EQ(words.append(U"中文"), WordFile::Append::refused);
    EXPECT_EQ(words.append(U"Sol\r\nMar"), WordFile::Append::refused);
    // In Windows-1252 these two spell "ñ" in UTF-8, and the file would read otherwise.
    EXPECT_EQ(words.append(U"Ã±"), WordFile::Append::refused);
    EXPECT_EQ(dir.read("palabras.txt"), "Sol\r\n");
}

struct ListCase {
    const char* name;
    TextFormat format;
    WordFile::Append any_character; // appending a character Windows-1252 lacks
};

class CopiedList : public WordFileTest, public testing::WithParamInterface<ListCase> {};

// As Debian's Spanish list comes (UTF-8, LF), or any mix of it with the game's own format.
TEST_P(CopiedList, DrawsWholeWordsAndGrowsInItsOwnFormat) {
    const auto& c = GetParam();
    const auto list = spanish_like_words(3000);
    std::string bytes;
    for (const auto& word : list)
        ASSERT_TRUE(append_line(bytes, word, c.format));
    dir.write("palabras.txt", bytes);
    for (const std::size_t k : {1, 2, 1717, 2999}) {
        random.value = (static_cast<double>(k) + 0.5) / 3000;
        const auto drawn = words.draw();
        EXPECT_EQ(drawn.word_count, 3000);
        EXPECT_EQ(drawn.word, list[k - 1]) << "line " << k;
    }

    ASSERT_EQ(words.append(U"Pingüino"), WordFile::Append::added);
    EXPECT_EQ(words.append(U"中文"), c.any_character);
    ASSERT_TRUE(append_line(bytes, U"Pingüino", c.format));
    if (c.any_character == WordFile::Append::added) {
        ASSERT_TRUE(append_line(bytes, U"中文", c.format));
    }
    EXPECT_EQ(dir.read("palabras.txt"), bytes);
    EXPECT_EQ(text_format_of(bytes), c.format);
}

using Encoding = TextFormat::Encoding;

INSTANTIATE_TEST_SUITE_P(
    Formats, CopiedList,
    testing::Values(ListCase{"windows_1252_cr_lf", {Encoding::windows_1252, '\r'}, WordFile::Append::refused},
                    ListCase{"windows_1252_lf", {Encoding::windows_1252, '\n'}, WordFile::Append::refused},
                    ListCase{"utf8_cr_lf", {Encoding::utf8, '\r'}, WordFile::Append::added},
                    ListCase{"utf8_lf", {Encoding::utf8, '\n'}, WordFile::Append::added}),
    CaseName{});

TEST_F(WordFileTest, AppendedWordIsDrawnNext) {
    ASSERT_TRUE(words.create());
    ASSERT_EQ(words.append(U"Pez"), WordFile::Append::added);
    random.value = 0.0;
    const auto drawn = words.draw();
    EXPECT_EQ(drawn.word, U"Pez");
    EXPECT_EQ(drawn.word_count, 57);
}

} // namespace
