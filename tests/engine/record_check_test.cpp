#include <gtest/gtest.h>

#include "game_harness.h"

namespace {

const std::string default_table = "Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n";
const std::string ranked = "A\r\n5000\r\nB\r\n3000\r\nC\r\n2000\r\n";

// One-player words won, then nine misses: the first place the points reach, a
// tie going to the new player; the key press goes on after the record.
TEST(RecordCheck, LostWordTakesTheFirstPlaceItReachesAndOnlyAceptarWrites)
{
    const struct {
        std::string table;
        int words_won;
        ScoreCells shown; // empty: no record, no name asked
    } cases[] = {{default_table, 1, {U"Ana", U"1000", U"Quiro", U"1000", U"Quiro", U"1000"}},
                 {default_table, 0, {}},
                 {ranked, 3, {U"A", U"5000", U"Ana", U"3000", U"B", U"3000"}},
                 {ranked, 2, {U"A", U"5000", U"B", U"3000", U"Ana", U"2000"}},
                 {ranked, 1, {}},
                 {"A\r\n5000\r\nB\r\nmucho\r\n", 1, {U"A", U"5000", U"Ana", U"1000", U"Quiro", U"1000"}}};
    for (const auto& c : cases) {
        GameHarness h({U"a"});
        h.file("puntuaciones.txt") = c.table;
        h.prompts.answers = {U"Ana"};
        h.play(U"<F2>" + std::u32string(static_cast<std::size_t>(c.words_won), U'a') + U"bcdefghij");
        EXPECT_FALSE(h.board().points_shown);
        EXPECT_EQ(h.board().misses_text, U"Fallos: 9");
        EXPECT_EQ(h.prompts.inputs.size(), c.shown[0].empty() ? 0u : 1u) << c.words_won;
        EXPECT_EQ(h.score_view.shown, c.shown[0].empty() ? ScoreCells{} : c.shown) << c.words_won;
        EXPECT_EQ(h.file("puntuaciones.txt"), c.table);
    }
    // Other modes compare the points of the last one-player game.
    GameHarness h({U"a"});
    h.file("puntuaciones.txt") = ranked;
    h.play(U"<F2>aaaabcdefghij");
    h.score_table.cancel();
    h.set_words({U"Feo"});
    h.play(U"<F4>abcdghijk");
    EXPECT_EQ(h.prompts.inputs.size(), 2u);
    EXPECT_EQ(h.score_view.shown[3], U"4000");
}

} // namespace
