#include <gtest/gtest.h>

#include "game_harness.h"

namespace {

const std::string default_table = "Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n";
const std::string ranked = "A\r\n5000\r\nB\r\n3000\r\nC\r\n2000\r\n";

struct RecordCase {
    const char* name;
    std::string table;
    int words_won;
    ScoreCells shown; // empty: no record, no name asked
};

class RecordCheck : public testing::TestWithParam<RecordCase> {};

// One-player words won, then nine misses.
TEST_P(RecordCheck, LostWordTakesTheFirstPlaceItReachesAndOnlyAceptarWrites)
{
    const RecordCase& c = GetParam();
    GameHarness h({U"a"});
    h.file("puntuaciones.txt") = c.table;
    h.prompts.answers = {U"Ana"};
    h.play(U"<F2>" + std::u32string(static_cast<std::size_t>(c.words_won), U'a') + U"bcdefghij");

    EXPECT_FALSE(h.board().points_shown);
    EXPECT_EQ(h.board().misses_text, U"Fallos: 9"); // the key press goes on after the record
    EXPECT_EQ(h.score_view.open, !c.shown[0].empty());
    EXPECT_EQ(h.prompts.inputs.size(), c.shown[0].empty() ? 0u : 1u);
    if (!c.shown[0].empty()) {
        EXPECT_EQ(h.score_view.shown, c.shown);
    }
    EXPECT_EQ(h.file("puntuaciones.txt"), c.table);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, RecordCheck,
    testing::Values(
        RecordCase{"TieWithTheDefaultTakesFirstPlace", default_table, 1,
                   {U"Ana", U"1000", U"Quiro", U"1000", U"Quiro", U"1000"}},
        RecordCase{"NothingScoredNoRecord", default_table, 0, {}},
        RecordCase{"TieWithSecondPlace", ranked, 3, {U"A", U"5000", U"Ana", U"3000", U"B", U"3000"}},
        RecordCase{"TieWithThirdPlace", ranked, 2, {U"A", U"5000", U"B", U"3000", U"Ana", U"2000"}},
        RecordCase{"BelowEveryPlace", ranked, 1, {}},
        // A damaged place reads as "Quiro" / "1000".
        RecordCase{"UnreadableScoreLine", "A\r\n5000\r\nB\r\nmucho\r\n", 1,
                   {U"A", U"5000", U"Ana", U"1000", U"Quiro", U"1000"}}),
    CaseName{});

TEST(RecordCheck, OtherModesCompareThePointsOfTheLastOnePlayerGame)
{
    GameHarness h({U"a"});
    h.file("puntuaciones.txt") = ranked;
    h.play(U"<F2>aaaa" U"bcdefghij");
    h.score_table.cancel();
    h.set_words({U"Feo"});
    h.play(U"<F4>abcdghijk");
    EXPECT_EQ(h.prompts.inputs.size(), 2u);
    EXPECT_EQ(h.score_view.shown[3], U"4000");
}

} // namespace
