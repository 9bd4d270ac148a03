#include <gtest/gtest.h>

#include "game_harness.h"

namespace {

struct RecordCase {
    const char* name;
    std::string table;
    int words_won;
    int place; // 0: no record
};

class RecordCheck : public testing::TestWithParam<RecordCase> {};

TEST_P(RecordCheck, LostWordTakesTheFirstPlaceItReaches)
{
    const RecordCase& c = GetParam();
    GameHarness h;
    h.set_scores(c.table);
    h.prompts.answers = {U"Ana"};
    h.score_and_lose(c.words_won);

    EXPECT_FALSE(h.board().Label3_visible);
    EXPECT_FALSE(h.board().Label4_visible);
    EXPECT_EQ(h.score_view.open, c.place != 0);
    if (c.place == 0) {
        EXPECT_TRUE(h.prompts.inputs.empty());
        return;
    }
    ASSERT_EQ(h.prompts.inputs.size(), 1u);
    EXPECT_EQ(h.prompts.inputs[0].prompt, U"Introduce tu nombre");
    EXPECT_EQ(h.prompts.inputs[0].title, U"Record");
    const auto name = static_cast<std::size_t>(2 * c.place - 2);
    EXPECT_EQ(h.score_window.cells()[name], U"Ana");
    EXPECT_EQ(h.score_window.cells()[name + 1], decimal(c.words_won * 1000));
    EXPECT_EQ(h.score_bytes(), c.table); // only Aceptar writes
}

const std::string ranked = "A\r\n5000\r\nB\r\n3000\r\nC\r\n2000\r\n";

INSTANTIATE_TEST_SUITE_P(
    Tables, RecordCheck,
    testing::Values(RecordCase{"TieWithDefaultTakesFirstPlace", "Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n", 1, 1},
                    RecordCase{"NothingScoredNoRecord", "Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n", 0, 0},
                    RecordCase{"TieWithSecondPlace", ranked, 3, 2},
                    RecordCase{"TieWithThirdPlace", ranked, 2, 3},
                    RecordCase{"BelowEveryPlace", ranked, 1, 0},
                    RecordCase{"BeatsTheBest", ranked, 6, 1},
                    // A damaged place reads as "Quiro" / "1000".
                    RecordCase{"UnreadableScoreLine", "A\r\n5000\r\nB\r\nmucho\r\n", 1, 2}),
    CaseName{});

TEST(RecordCheck, OtherModesCompareThePointsOfTheLastOnePlayerGame)
{
    GameHarness h;
    h.set_scores(ranked);
    h.prompts.answers = {U"", U""};
    h.score_and_lose(4);
    h.score_window.command1_click();
    h.set_words({U"Feo"});
    h.game.two_click();
    h.type(U"abcdghijk");
    EXPECT_EQ(h.state().score, 4000);
    EXPECT_EQ(h.prompts.inputs.size(), 2u);
    EXPECT_EQ(h.score_window.cells()[3], U"4000");
    EXPECT_EQ(h.board().panel(6), U"Fallos: 9"); // the key press goes on after the record
}

} // namespace
