#include <gtest/gtest.h>

#include "case_name.h"

#include <optional>

#include "disk_file_system.h"
#include "score_file.h"
#include "temporary_directory.h"

namespace {

using Lines = std::vector<std::u32string>;

class ScoreFileTest : public testing::Test {
protected:
    TemporaryDirectory dir;
    DiskFileSystem files;
    ScoreFile scores{files, dir};
};

TEST_F(ScoreFileTest, DefaultTableIsThirtyNineBytes) {
    EXPECT_TRUE(scores.missing());
    ASSERT_TRUE(scores.write(default_score_table()));
    EXPECT_EQ(scores.path(), dir.path() / "puntuaciones.txt");
    const auto bytes = dir.read("puntuaciones.txt");
    EXPECT_EQ(bytes, "Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n");
    EXPECT_EQ(bytes.size(), 39u);
}

struct ReadCase {
    const char* name;
    std::optional<std::string> file;
    int n;
    Lines lines;
};

class ReadLines : public ScoreFileTest, public testing::WithParamInterface<ReadCase> {};

TEST_P(ReadLines, GivesWholePlacesOrTheDefault) {
    const auto& c = GetParam();
    if (c.file)
        dir.write("puntuaciones.txt", *c.file);
    EXPECT_EQ(scores.read_lines(c.n), c.lines);
    if (c.file)
        EXPECT_EQ(dir.read("puntuaciones.txt"), *c.file);
    else
        EXPECT_TRUE(scores.missing());
}

const std::string table = "Ana\r\n5000\r\nBea\r\n2000\r\nCid\r\n1000\r\n";

INSTANTIATE_TEST_SUITE_P(
    Files, ReadLines,
    testing::Values(
        ReadCase{"missing_file", std::nullopt, 6, {U"Quiro", U"1000", U"Quiro", U"1000", U"Quiro", U"1000"}},
        ReadCase{"six_lines", table, 6, {U"Ana", U"5000", U"Bea", U"2000", U"Cid", U"1000"}},
        ReadCase{"first_two", table, 2, {U"Ana", U"5000"}},
        ReadCase{"first_four", table, 4, {U"Ana", U"5000", U"Bea", U"2000"}},
        ReadCase{"three_lines", "Ana\r\n3000\r\nBea", 6,
                 {U"Ana", U"3000", U"Quiro", U"1000", U"Quiro", U"1000"}},
        ReadCase{"score_not_a_number", "Ana\r\nabc\r\nBea\r\n2000\r\nCid\r\n1000\r\n", 6,
                 {U"Quiro", U"1000", U"Bea", U"2000", U"Cid", U"1000"}},
        ReadCase{"lines_after_six_ignored", table + "Eva\r\n9000\r\n", 6,
                 {U"Ana", U"5000", U"Bea", U"2000", U"Cid", U"1000"}},
        ReadCase{"empty_name_and_windows_1252", "\r\n3000\r\nNu\xF1" "ez\r\n2000\r\n", 4,
                 {U"", U"3000", U"Nuñez", U"2000"}},
        ReadCase{"score_kept_as_written", "Ana\r\n 3000\r\n", 2, {U"Ana", U" 3000"}},
        ReadCase{"utf8_broken_at_lf", "Nu\xC3\xB1" "ez\n3000\n", 2, {U"Nuñez", U"3000"}}),
    CaseName{});

TEST_F(ScoreFileTest, NamesComeBackAsWritten) {
    const ScoreCells cells = {U"Ana María", U"3000", U"Pérez, Juan", U"2000", U"\"Quiro\" 'el grande'", U"1000"};
    ASSERT_TRUE(scores.write(cells));
    EXPECT_EQ(dir.read("puntuaciones.txt"),
              "Ana Mar\xED" "a\r\n3000\r\nP\xE9rez, Juan\r\n2000\r\n\"Quiro\" 'el grande'\r\n1000\r\n");
    EXPECT_EQ(scores.read_lines(6), Lines(cells.begin(), cells.end()));
}

TEST_F(ScoreFileTest, WritesAllSixLinesOverALongerFile) {
    dir.write("puntuaciones.txt", table + "Eva\r\n9000\r\n");
    ASSERT_TRUE(scores.write({U"", U"3000", U"Bea", U"2000", U"Cid", U"1000"}));
    EXPECT_EQ(dir.read("puntuaciones.txt"), "\r\n3000\r\nBea\r\n2000\r\nCid\r\n1000\r\n");
}

} // namespace
