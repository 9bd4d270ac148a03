#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "platform/disk_file_system.h"
#include "platform/random_source.h"
#include "tests/support/scripted_random.h"
#include "tests/support/temporary_directory.h"
#include "words/word_file.h"

namespace {

struct WordFileTest : testing::Test {
    TemporaryDirectory dir;
    DiskFileSystem files;
    ScriptedRandom random;
    WordFile words{files, dir, random};
    void put(const std::optional<std::string>& bytes)
    {
        std::filesystem::remove(words.path());
        if (bytes)
            dir.write("palabras.txt", *bytes);
    }
};

// Line k = floor(count * r), with k = 0 and k = count standing for the last line,
// in the file's own format.
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
                 {"BaR\xE7"
                  "A\r\n",
                  0.5, U"BaRçA", 1, true},
                 {"cig\xC3\xBC"
                  "e\xC3\xB1"
                  "a\nSol\n",
                  0.7, U"cigüeña", 2, true},
                 {"\r\n\r\n", 0.6, U"", 2, false},
                 {"", 0.5, U"", 0, false},
                 {std::nullopt, 0.5, U"", 0, false},
                 // Mended: a long first line came out cut.
                 {std::string(20000, 'a') + "\r\nb", 0.7, std::u32string(20000, U'a'), 2, true}};
    for (const auto& d : draws) {
        put(d.file);
        random.then = d.r;
        const DrawnWord drawn = words.draw();
        EXPECT_EQ(drawn.word, d.word) << d.r;
        EXPECT_EQ(drawn.word_count, d.count) << d.r;
        EXPECT_EQ(drawn.file_has_words, d.has_words) << d.r;
    }
    // Above 2^24 lines a single-precision product would skip lines, this one among them.
    const std::int64_t count = (std::int64_t{1} << 24) + 3;
    put(std::string(static_cast<std::size_t>(count - 3), '\r') + "x\ry\rz");
    random.then = (static_cast<double>(count) - 0.5) / static_cast<double>(count);
    EXPECT_EQ(words.draw().word, U"y");
}

// A new last line in the file's own encoding and line ends, or nothing.
TEST_F(WordFileTest, AppendAddsTheWordAsTheFileWouldReadIt)
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
                   {"", U"Ñandú €",
                    "\xD1"
                    "and\xFA \x80\r\n"},
                   {"\xC3\xB1u\n", U"中文", "\xC3\xB1u\n\xE4\xB8\xAD\xE6\x96\x87\n"},
                   {"Sol\r\n", U"中文", "Sol\r\n"},
                   {"Sol\r\n", U"Sol\r\nMar", "Sol\r\n"},
                   // In Windows-1252 these spell "ñ" in UTF-8: the file would read otherwise.
                   {"Sol\r\n", U"Ã±", "Sol\r\n"}};
    for (const auto& a : appends) {
        put(a.before);
        EXPECT_EQ(words.append(a.word), a.after != a.before ? WordFile::Append::added : WordFile::Append::refused);
        EXPECT_EQ(dir.read("palabras.txt"), a.after);
    }
}

// A value of 1 or more would draw past the last line.
TEST(ClockRandomSource, DrawsBelowOne)
{
    ClockRandomSource clock;
    for (int i = 0; i < 1000; ++i) {
        const double r = clock.next();
        ASSERT_TRUE(r >= 0.0 && r < 1.0) << r;
    }
}

} // namespace
