#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "disk_file_system.h"
#include "fixed_random.h"
#include "line_reader.h"
#include "spanish_words.h"
#include "temporary_directory.h"
#include "word_file.h"

namespace {

struct WordFileTest : testing::Test {
    TemporaryDirectory dir;
    DiskFileSystem files;
    FixedRandom random;
    WordFile words{files, dir, random};
    DrawnWord draw(double r)
    {
        random.value = r;
        return words.draw();
    }
};

// Line k = floor(count * r), with k = 0 and k = count standing for the last line.
TEST_F(WordFileTest, DrawPicksTheLineOfREachEquallyLikely)
{
    const struct {
        std::optional<std::string> file; // nothing: no file at all
        double r;
        std::u32string word;
        std::int64_t count;
        bool has_words;
    } draws[] = {{"a\r\nb\r\nc", 0.0, U"c", 3, true},
                 {"a\r\nb\r\nc", std::nextafter(1.0, 0.0), U"c", 3, true},
                 {"a\r\nb\r\nc", 0.34, U"a", 3, true},
                 {"a\r\n\r\nc\r\n", 0.7, U"", 3, true},
                 {"BaR\xE7" "A\r\n", 0.5, U"BaRçA", 1, true},
                 {"\r\n\r\n", 0.6, U"", 2, false},
                 {"", 0.5, U"", 0, false},
                 {std::nullopt, 0.5, U"", 0, false},
                 // Mended: a long first line came out cut.
                 {std::string(20000, 'a') + "\r\nb", 0.7, std::u32string(20000, U'a'), 2, true}};
    for (const auto& d : draws) {
        std::filesystem::remove(words.path());
        if (d.file)
            dir.write("palabras.txt", *d.file);
        const DrawnWord drawn = draw(d.r);
        EXPECT_EQ(drawn.word, d.word) << d.r;
        EXPECT_EQ(drawn.word_count, d.count) << d.r;
        EXPECT_EQ(drawn.file_has_words, d.has_words) << d.r;
    }
    // Above 2^24 lines a single-precision product would skip lines, this one among them.
    const std::int64_t count = (std::int64_t{1} << 24) + 3;
    dir.write("palabras.txt", std::string(static_cast<std::size_t>(count - 3), '\r') + "x\ry\rz");
    EXPECT_EQ(draw((static_cast<double>(count) - 0.5) / static_cast<double>(count)).word, U"y");
}

TEST_F(WordFileTest, AppendAddsTheWordAsANewLastLineInTheFilesOwnFormat)
{
    const struct {
        std::optional<std::string> before;
        std::u32string word;
        std::string after;
    } appends[] = {{std::nullopt, U"Pez", "Pez\r\n"},
                   {"Sol\r\nMar", U"Pez", "Sol\r\nMar\r\nPez\r\n"}, // never joins an unterminated word
                   {"Sol\r", U"Pez", "Sol\rPez\r\n"},
                   {"Sol\nMar", U"Pez", "Sol\nMar\nPez\n"},
                   {"Sol\r\nMar\n", U"Pez", "Sol\r\nMar\n\r\nPez\r\n"},
                   {"Sol\r\n", U"Sol", "Sol\r\nSol\r\n"},
                   {"", U"Ñandú €", "\xD1" "and\xFA \x80\r\n"},
                   {"Sol\r\n", U"中文", "Sol\r\n"},
                   {"Sol\r\n", U"Sol\r\nMar", "Sol\r\n"},
                   // In Windows-1252 these spell "ñ" in UTF-8: the file would read otherwise.
                   {"Sol\r\n", U"Ã±", "Sol\r\n"}};
    for (const auto& a : appends) {
        std::filesystem::remove(words.path());
        if (a.before)
            dir.write("palabras.txt", *a.before);
        const bool added = a.after != a.before;
        EXPECT_EQ(words.append(a.word), added ? WordFile::Append::added : WordFile::Append::refused);
        EXPECT_EQ(dir.read("palabras.txt"), a.after);
    }
}

// A list as Debian's Spanish one comes (UTF-8, LF), or any mix of it with the
// game's own format: drawn word by word, and grown in its own format.
TEST_F(WordFileTest, CopiedListsAreReadAndGrownAsTheyAre)
{
    using Encoding = TextFormat::Encoding;
    const auto list = spanish_like_words(3000);
    for (const TextFormat format : {TextFormat{Encoding::windows_1252, '\r'}, TextFormat{Encoding::windows_1252, '\n'},
                                    TextFormat{Encoding::utf8, '\r'}, TextFormat{Encoding::utf8, '\n'}}) {
        std::string bytes;
        for (const auto& word : list)
            ASSERT_TRUE(append_line(bytes, word, format));
        dir.write("palabras.txt", bytes);
        for (const std::size_t k : {1, 2, 1717, 2999})
            EXPECT_EQ(draw((static_cast<double>(k) + 0.5) / 3000).word, list[k - 1]) << "line " << k;
        const bool utf8 = format.encoding == Encoding::utf8;
        ASSERT_EQ(words.append(U"Pingüino"), WordFile::Append::added);
        EXPECT_EQ(words.append(U"中文"), utf8 ? WordFile::Append::added : WordFile::Append::refused);
        ASSERT_TRUE(append_line(bytes, U"Pingüino", format));
        ASSERT_TRUE(!utf8 || append_line(bytes, U"中文", format));
        EXPECT_EQ(dir.read("palabras.txt"), bytes);
        EXPECT_EQ(text_format_of(bytes), format);
    }
}

} // namespace
