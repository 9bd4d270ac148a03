#include <gtest/gtest.h>

#include <limits>

#include "game_harness.h"
#include "points.h"

namespace {

TEST(WordOutcome, OnePlayerWordWonEarnsPointsAndTheNextWordFollows)
{
    GameHarness h({U"Feo", U"MoTo"});
    h.random.values = {0.5, 0.5}; // both preparations of "1 Jugador" draw line 1, "Feo"
    h.game.one_click();
    std::u32string hits_under_message, failures_under_message;
    h.prompts.while_open = [&] {
        hits_under_message = h.board().panel(5);
        failures_under_message = h.board().panel(6);
    };
    h.type(U"fxeo"); // the next draw gives the last line, "MoTo"

    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].text, U"Has ganado");
    EXPECT_EQ(h.prompts.messages[0].title, U"¡¡¡GaNaDoR!!!");
    EXPECT_EQ(hits_under_message, U"Aciertos :3");
    EXPECT_EQ(failures_under_message, U"Fallos: 1");
    EXPECT_EQ(h.state().score, 1000);
    EXPECT_EQ(h.board().Label4, U"1000 puntos.");
    EXPECT_EQ(h.state().hidden_word, U"MoTo");
    EXPECT_EQ(h.board().shown_word(), U"    ");
    EXPECT_EQ(h.board().panel(5), U"Aciertos: 0");
    EXPECT_EQ(h.board().panel(6), U"Fallos: 0");
    EXPECT_TRUE(h.board().List2.empty());
    EXPECT_EQ(h.board().Image9, (std::array<bool, 9>{}));
    EXPECT_TRUE(h.state().guessing_on);
}

// Mended: an empty line drawn for the next word used to start a new game at 0 points.
TEST(WordOutcome, NextWordIsDrawnAgainInsteadOfLosingThePoints)
{
    GameHarness h({U"a", U"", U"b"});
    h.random.values = {0.4, 0.4, 0.7}; // "a", "a"; then the empty line 2, then...
    h.game.one_click();
    h.type(U"a");
    EXPECT_EQ(h.state().score, 1000);
    EXPECT_EQ(h.state().hidden_word, U"b"); // ...the last line, drawn with 0 once the values run out
    EXPECT_EQ(h.deferred.requests, 0);
    EXPECT_TRUE(h.state().guessing_on);
}

TEST(WordOutcome, PointsStopAtTheTopOfTheirRange)
{
    constexpr std::int32_t most = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(plus_word_points(0), 1000);
    EXPECT_EQ(plus_word_points(most - 1000), most);
    EXPECT_EQ(plus_word_points(most - 999), most);
    EXPECT_EQ(plus_word_points(most), most);
}

struct TurnCase {
    const char* name;
    void (Game::*command)();
    std::vector<std::u32string> answers;
    std::vector<std::u32string> turns; // panel 7 at the start, then after each key
};

class TurnPassing : public testing::TestWithParam<TurnCase> {};

TEST_P(TurnPassing, EveryMovePassesTheTurnButARepeatedLetter)
{
    const TurnCase& c = GetParam();
    GameHarness h({U"PiZarrA"});
    h.prompts.answers = {c.answers.begin(), c.answers.end()};
    (h.game.*c.command)();
    const std::u32string keys = U"p5 xxa";
    ASSERT_EQ(c.turns.size(), keys.size() + 1);
    EXPECT_EQ(h.board().panel(7), c.turns[0]);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        h.game.on_key_press(keys[i]);
        EXPECT_EQ(h.board().panel(7), c.turns[i + 1]) << "after key " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, TurnPassing,
    testing::Values(
        // "x" a second time stops the key press early: the turn stays.
        TurnCase{"TwoAgainstTheComputer", &Game::two_click, {},
                 {U"Jugador1", U"Jugador2", U"Jugador1", U"Jugador2", U"Jugador1", U"Jugador1", U"Jugador2"}},
        TurnCase{"FourPlayers", &Game::five_click, {U"4", U"PiZarrA"},
                 {U"Jugador2", U"Jugador3", U"Jugador4", U"Jugador2", U"Jugador3", U"Jugador3", U"Jugador4"}},
        TurnCase{"TwoPlayersOfSeveral", &Game::tree_click, {U" 2 "},
                 {U"Jugador2", U"Jugador2", U"Jugador2", U"Jugador2", U"Jugador2", U"Jugador2", U"Jugador2"}},
        TurnCase{"OnePlayerHasNoTurns", &Game::one_click, {},
                 {U"", U"", U"", U"", U"", U"", U""}}),
    CaseName{});

TEST(WordOutcome, TheWinnerIsThePlayerNamedInPanelSeven)
{
    GameHarness h({U"Ño"});
    h.game.two_click();
    h.type(U"ñ"); // Jugador1 finds "ñ"; the turn passes to Jugador2
    h.type(U"O");
    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].text, U"El ganador ha sido: Jugador2");
    EXPECT_EQ(h.prompts.messages[0].title, U"¡¡¡GaNaDoR!!!");
    EXPECT_EQ(h.board().panel(7), U"");
    EXPECT_EQ(h.board().panel(5), U"Aciertos :2");
    EXPECT_FALSE(h.state().guessing_on);
    EXPECT_EQ(h.state().score, 0);
}

TEST(WordOutcome, WordOfTwoPlayersEndsTheOnePlayerWayWithTheScoreHidden)
{
    GameHarness h({U"MoTo"});
    h.prompts.answers = {U"Si"};
    h.game.for_click();
    h.type(U"si");
    EXPECT_EQ(h.prompts.messages.at(0).text, U"Has ganado");
    EXPECT_EQ(h.state().score, 1000);
    EXPECT_FALSE(h.board().Label4_visible);
    EXPECT_EQ(h.state().hidden_word, U"MoTo"); // the next word comes from the file
}

TEST(WordOutcome, EmptyWordOfSeveralPlayersIsWonByTheFirstKey)
{
    GameHarness h({U"", U"Feo"});
    h.random.values = {0.5}; // line 1: the empty line
    h.prompts.answers = {U"3"};
    h.game.tree_click();
    EXPECT_TRUE(h.state().guessing_on);
    h.type(U"q");
    EXPECT_EQ(h.board().Image9[8], true);
    EXPECT_EQ(h.board().panel(5), U"Aciertos :0");
    EXPECT_EQ(h.board().panel(6), U"Fallos: 1");
    EXPECT_EQ(h.prompts.messages.at(0).text, U"El ganador ha sido: Jugador2");
}

} // namespace
