#include <gtest/gtest.h>

#include <optional>

#include "memory_file_system.h"
#include "score_file.h"

namespace {

using Lines = std::vector<std::u32string>;

// A place the file does not hold whole, or whose score is no number, reads as the
// default one, so the record check always has numbers to compare with.
TEST(ScoreFile, ReadsWholePlacesOrTheDefaultAndNeverWrites)
{
    const std::string table = "Ana\r\n5000\r\nBea\r\n2000\r\nCid\r\n1000\r\n";
    const struct {
        std::optional<std::string> file;
        int n;
        Lines lines;
    } reads[] = {{std::nullopt, 6, {U"Quiro", U"1000", U"Quiro", U"1000", U"Quiro", U"1000"}},
                 {table + "Eva\r\n9000\r\n", 6, {U"Ana", U"5000", U"Bea", U"2000", U"Cid", U"1000"}},
                 {table, 4, {U"Ana", U"5000", U"Bea", U"2000"}},
                 {"Ana\r\n3000\r\nBea", 6, {U"Ana", U"3000", U"Quiro", U"1000", U"Quiro", U"1000"}},
                 {"Ana\r\nabc\r\nBea\r\n2000\r\n", 4, {U"Quiro", U"1000", U"Bea", U"2000"}},
                 {"\r\n 3000\r\nNu\xF1" "ez\r\n2000\r\n", 4, {U"", U" 3000", U"Nuñez", U"2000"}},
                 {"Nu\xC3\xB1" "ez\n3000\n", 2, {U"Nuñez", U"3000"}}};
    for (const auto& r : reads) {
        MemoryFileSystem files;
        FixedDirectory directory;
        ScoreFile scores{files, directory};
        if (r.file)
            files.files[scores.path()] = *r.file;
        EXPECT_EQ(scores.read_lines(r.n), r.lines) << r.file.value_or("none");
        EXPECT_EQ(files.files.contains(scores.path()), r.file.has_value());
    }
}

TEST(ScoreFile, WritesSixLinesInWindows1252AndReadsThemBackAsWritten)
{
    MemoryFileSystem files;
    FixedDirectory directory;
    ScoreFile scores{files, directory};
    files.files[scores.path()] = "Ana\r\n5000\r\nBea\r\n2000\r\nCid\r\n1000\r\nEva\r\n9000\r\n";
    const ScoreCells cells = {U"Ana María", U"3000", U"", U"2000", U"\"Quiro\", el grande", U"1000"};
    ASSERT_TRUE(scores.write(cells));
    EXPECT_EQ(files.files[scores.path()],
              "Ana Mar\xED" "a\r\n3000\r\n\r\n2000\r\n\"Quiro\", el grande\r\n1000\r\n");
    EXPECT_EQ(scores.read_lines(6), Lines(cells.begin(), cells.end()));
    ASSERT_TRUE(scores.write(default_score_table()));
    EXPECT_EQ(files.files[scores.path()], "Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n");
}

} // namespace
