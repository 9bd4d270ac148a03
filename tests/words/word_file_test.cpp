#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "platform/disk_file_system.h"
#include "platform/random_source.h"
#include "tests/support/scripted_random.h"
#include "tests/support/temporary_directory.h"
#include "words/word_file.h"

namespace {

const std::string s(15360, 's'); // the line index's stride
const std::string a65(65, 'a');  // UTF-8 is checked 64 bytes at a time
const std::u32string s32(15360, U's'), a32(65, U'a');
const std::int64_t many = (std::int64_t{1} << 24) + 3;

// A word file's bytes (none: no file), the r drawing line k = floor(count * r),
// k = 0 standing for the last, then the word drawn in the file's own format, the
// lines counted and whether some line is not empty; then a word appended and the
// bytes it leaves, the same bytes when it is refused.
const struct Row {
    std::optional<std::string> bytes;
    double r;
    std::u32string word;
    std::int64_t count;
    bool has_words;
    std::u32string append = U""; // none
    std::optional<std::string> after = std::nullopt;
} rows[] = {
    {std::nullopt, 0.5, U"", 0, false, U"Pez", "Pez\r\n"},
    {"", 0.5, U"", 0, false, U"Ñoño €", "\xD1o\xF1o \x80\r\n"},
    {"a\r\nb\r\nc", 0.0, U"c", 3, true, U"Pez", "a\r\nb\r\nc\r\nPez\r\n"}, // never joins an unterminated word
    {"a\r\nb\r\nc", std::nextafter(1.0, 0.0), U"c", 3, true},
    {"a\r\n\r\nc\r\n", 0.7, U"", 3, true},
    {"\r\n\r\n", 0.6, U"", 2, false},
    {"BaR\xE7O\r\n", 0.5, U"BaRçO", 1, true, U"中文", "BaR\xE7O\r\n"},
    {"ping\xC3\xBCino\nSol\n", 0.7, U"pingüino", 2, true, U"中文", "ping\xC3\xBCino\nSol\n\xE4\xB8\xAD\xE6\x96\x87\n"},
    {"Sol\r", 0.5, U"Sol", 1, true, U"Pez", "Sol\rPez\r\n"},
    {"Sol\nMar", 0.0, U"Mar", 2, true, U"Pez", "Sol\nMar\nPez\n"},
    {"Sol\r\nMar\n", 0.0, U"Mar\n", 2, true, U"Pez",
     "Sol\r\nMar\n\r\nPez\r\n"}, // a lone LF is text where CRs end lines
    {"a\r\rb\r", 0.7, U"", 3, true, U"Sol\r\nMar"},
    {"a\nb\nc\r", 0.6, U"a\nb\nc", 1, true, U"Ã±"}, // in Windows-1252 these spell "ñ" in UTF-8
    // Notepad's byte-order mark is no part of the first word, and stays the only one.
    {"\xEF\xBB\xBF\xC3\x91u\r\nGato\r\n", 0.5, U"Ñu", 2, true, U"ñu", "\xEF\xBB\xBF\xC3\x91u\r\nGato\r\n\xC3\xB1u\r\n"},
    {"\xEF\xBB\xBF", 0.5, U"", 0, false, U"Sol", "\xEF\xBB\xBFSol\r\n"},
    // Marks written apart from their letters read joined, as keys type them, and a
    // word added keeps them apart; a mark typed apart joins its letter.
    {"Can\xCC\x83o\xCC\x81n\n\xC3\xB1u\n", 0.6, U"Cañón", 2, true, U"Ñu",
     "Can\xCC\x83o\xCC\x81n\n\xC3\xB1u\nN\xCC\x83u\n"},
    {"Ma\xC3\x9F\n\xC3\xB1u\nCan\xCC\x83o\xCC\x81n\n", 0.0, U"Cañón", 3, true, U"Ñu",
     "Ma\xC3\x9F\n\xC3\xB1u\nCan\xCC\x83o\xCC\x81n\n\xC3\x91u\n"}, // the first letter with a mark decides
    {"Sol\r\n", 0.5, U"Sol", 1, true, U"N\u0303u\u0301", "Sol\r\n\xD1\xFA\r\n"},
    {"\xC0\xAF|\xE0\x80\xAF|\xED\xA0\x80|\xF4\x90\x80\x80|\xC3\xB1\xE2\x82", 0.5,
     U"À¯|à\u20AC¯|í\u00A0\u20AC|ô\u0090\u20AC\u20AC|Ã±â\u201A", 1, true},
    {a65 + "\xF0\x9F\x98\x80" + a65, 0.5, a32 + U"😀" + a32, 1, true},
    {a65 + "\xF0\x9F\x98" + a65 + "\xB1", 0.5, a32 + U"ðŸ˜" + a32 + U"±", 1, true},
    // Mended: a line longer than the stride came out cut.
    {s + "aaa\r\nb", 0.5, s32 + U"aaa", 2, true},
    {std::string(13 * 15360 + 320, 'x'), 0.5, std::u32string(13 * 15360 + 320, U'x'), 1, true},
    {"a\r\n" + s.substr(4) + "\r\n" + s + "b\r\nc", 0.75, s32 + U"b", 4, true},
    // Above 2^24 lines a single-precision product would skip lines, this one among them.
    {std::string(many - 3, '\r') + "x\ry\rz", (many - 0.5) / many, U"y", many, true}};

TEST(WordFile, DrawsAndAppendsInTheFilesOwnFormat)
{
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bytes.value_or("none").substr(0, 20));
        TemporaryDirectory dir;
        DiskFileSystem files;
        ScriptedRandom random;
        random.then = row.r;
        WordFile words{files, dir, random};
        if (row.bytes)
            dir.write("palabras.txt", *row.bytes);
        const DrawnWord drawn = words.draw();
        EXPECT_EQ(drawn.word, row.word);
        EXPECT_EQ(drawn.word_count, row.count);
        EXPECT_EQ(drawn.file_has_words, row.has_words);
        if (row.append.empty())
            continue;
        const std::string after = row.after.value_or(row.bytes.value_or(""));
        EXPECT_EQ(words.append(row.append), after != row.bytes ? WordFile::Append::added : WordFile::Append::refused);
        EXPECT_EQ(dir.read("palabras.txt"), after);
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
