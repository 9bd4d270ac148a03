#include <gtest/gtest.h>

#include "game_harness.h"

namespace {

TEST(NewGame, OnePlayerLaysOutOneSlotPerCharacter)
{
    GameHarness h({U"MaNteQuIlla"});
    h.game.one_click();
    h.type(U"mx");
    h.set_words({U"MoTo"});
    h.game.one_click();
    EXPECT_EQ(h.board().Label1, (std::vector<std::u32string>{U"&L", U"M", U"o", U"T", U"o"}));
    EXPECT_EQ(h.board().Label2, (std::vector<std::u32string>{U" ", U" ", U" ", U" ", U" "}));
    EXPECT_TRUE(h.board().List1.empty());
    EXPECT_TRUE(h.board().List2.empty());
    EXPECT_EQ(h.board().Image9, (std::array<bool, 9>{}));
    EXPECT_EQ(h.board().panel(6), U"Fallos: 0");
    EXPECT_TRUE(h.board().Label3_visible);
    EXPECT_EQ(h.state().next_picture, 8);
    EXPECT_EQ(h.state().word_count, 1);
}

TEST(NewGame, EachEmptyDrawAsksForOneNewOnePlayerGame)
{
    GameHarness h({U"", U"Feo"});
    h.random.values = {0.5, 0.0}; // the empty line, then "Feo"
    h.game.one_click();
    EXPECT_EQ(h.deferred.requests, 1);
    EXPECT_EQ(h.state().hidden_word, U"Feo");

    h.random.values = {0.5, 0.5};
    h.game.two_click(); // and F2 follows, not this mode again
    EXPECT_EQ(h.deferred.requests, 3);
    EXPECT_TRUE(h.prompts.messages.empty());
}

struct NoWordCase {
    const char* name;
    const char* bytes; // nullptr: the file is gone
    void (Game::*command)();
};

class NoWordInTheFile : public testing::TestWithParam<NoWordCase> {};

// Mended: a file without a word used to start new games for ever.
TEST_P(NoWordInTheFile, IsSaidOnceAndStartsNoGame)
{
    const NoWordCase& c = GetParam();
    GameHarness h;
    h.game.one_click();
    h.type(U"f");
    if (c.bytes)
        h.files.files[h.words.path()] = c.bytes;
    else
        h.files.files.erase(h.words.path());
    h.prompts.answers = {U"3"};
    (h.game.*c.command)();

    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].text, U"El archivo palabras.txt no contiene ninguna palabra.");
    EXPECT_EQ(h.prompts.messages[0].title, U"CuErDaLoKKK");
    EXPECT_EQ(h.prompts.messages[0].style, MessageStyle::critical);
    EXPECT_EQ(h.deferred.requests, 0);
    EXPECT_EQ(h.board().List1, std::vector<std::u32string>{U"f"}); // the board is left as it was
}

INSTANTIATE_TEST_SUITE_P(
    Files, NoWordInTheFile,
    testing::Values(NoWordCase{"EmptyFileOnePlayer", "", &Game::one_click},
                    NoWordCase{"EmptyLinesTwoAgainstTheComputer", "\r\n\r\n\r\n", &Game::two_click},
                    NoWordCase{"DeletedFileSeveralAgainstTheComputer", nullptr, &Game::tree_click}),
    CaseName{});

TEST(NewGame, TwoPlayersSwapRolesEvenAfterACancelledPrompt)
{
    GameHarness h;
    h.prompts.answers = {U"Uno", U"", U"Tres"};
    h.game.for_click();
    EXPECT_EQ(h.board().panel(7), U"Jugador1");
    h.game.for_click(); // cancelled, yet the roles swap
    h.game.for_click();
    EXPECT_EQ(h.board().panel(7), U"Jugador1");
    EXPECT_EQ(h.state().hidden_word, U"Tres");
    ASSERT_EQ(h.prompts.inputs.size(), 3u);
    EXPECT_EQ(h.prompts.inputs[0].title, U"Jugador2");
    EXPECT_EQ(h.prompts.inputs[1].title, U"Jugador1");
    EXPECT_EQ(h.prompts.inputs[2].title, U"Jugador2");
    EXPECT_EQ(h.prompts.inputs[0].prompt, U"Introduce la palabra");

    h.game.one_click(); // another mode: "Jugador2" sets the next word again
    h.prompts.answers = {U"Cuatro"};
    h.game.for_click();
    EXPECT_EQ(h.prompts.inputs.back().title, U"Jugador2");
}

struct TypedWordCase {
    const char* name;
    void (Game::*command)();
    std::vector<std::u32string> answers;
    bool starts;
};

class TypedWord : public testing::TestWithParam<TypedWordCase> {};

TEST_P(TypedWord, HasAtMostTwentyOneCharacters)
{
    const TypedWordCase& c = GetParam();
    GameHarness h;
    h.prompts.answers = {c.answers.begin(), c.answers.end()};
    (h.game.*c.command)();
    EXPECT_EQ(h.state().guessing_on, c.starts);
    if (c.starts) {
        EXPECT_EQ(h.board().Label2.size(), c.answers.back().size() + 1);
        EXPECT_TRUE(h.prompts.messages.empty());
    } else {
        ASSERT_EQ(h.prompts.messages.size(), 1u);
        EXPECT_EQ(h.prompts.messages[0].text, U"La palabra no puede tener más de 21 letras.");
        EXPECT_EQ(h.prompts.messages[0].title, U"Error");
        EXPECT_EQ(h.state().player_count, U"");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, TypedWord,
    testing::Values(TypedWordCase{"TwentyOneForTwo", &Game::for_click, {U"abcdefghij 1234567890"}, true},
                    TypedWordCase{"TwentyTwoForTwo", &Game::for_click, {U"abcdefghij 1234567890X"}, false},
                    TypedWordCase{"TwentyOneForSeveral", &Game::five_click, {U"5", U"ÁÉÍÓÚáéíóúÑñÇçaeiouAE"}, true},
                    TypedWordCase{"TwentyTwoForSeveral", &Game::five_click, {U"5", U"ÁÉÍÓÚáéíóúÑñÇçaeiouAEI"}, false}),
    CaseName{});

struct CountCase {
    const char* name;
    std::u32string answer;
    const char32_t* message; // nullptr: no message
    bool starts;
};

class PlayerCount : public testing::TestWithParam<CountCase> {};

TEST_P(PlayerCount, IsAWholeNumberFromTwoToThirty)
{
    const CountCase& c = GetParam();
    GameHarness h;
    h.prompts.answers = {c.answer};
    h.game.tree_click();
    EXPECT_EQ(h.state().guessing_on, c.starts);
    EXPECT_EQ(h.state().multi_mode, c.starts);
    if (c.message) {
        ASSERT_EQ(h.prompts.messages.size(), 1u);
        EXPECT_EQ(h.prompts.messages[0].text, c.message);
        EXPECT_EQ(h.prompts.messages[0].title, U"CuErDaLoKKK");
        EXPECT_EQ(h.prompts.messages[0].style, MessageStyle::critical);
    } else {
        EXPECT_TRUE(h.prompts.messages.empty());
    }
    EXPECT_EQ(h.state().player_count, c.starts ? c.answer : U"");
}

// Mended: counts that are not whole numbers of at least 2 used to be taken, and the
// turn then counted up for ever.
INSTANTIATE_TEST_SUITE_P(
    Answers, PlayerCount,
    testing::Values(CountCase{"Two", U"2", nullptr, true},
                    CountCase{"Thirty", U"30", nullptr, true},
                    CountCase{"BlanksAround", U" 4 ", nullptr, true},
                    CountCase{"Cancelled", U"", nullptr, false},
                    CountCase{"ThirtyOne", U"31", U"El máximo de jugadores es 30", false},
                    CountCase{"Huge", U"99999999999999999999999", U"El máximo de jugadores es 30", false},
                    CountCase{"One", U"1", U"El número de jugadores debe estar entre 2 y 30", false},
                    CountCase{"Zero", U"0", U"El número de jugadores debe estar entre 2 y 30", false},
                    CountCase{"Negative", U"-3", U"El número de jugadores debe estar entre 2 y 30", false},
                    CountCase{"Word", U"abc", U"El número de jugadores debe estar entre 2 y 30", false},
                    CountCase{"Fraction", U"2.5", U"El número de jugadores debe estar entre 2 y 30", false}),
    CaseName{});

// Mended: a new game that did not start used to switch the game on screen to its mode.
TEST(NewGame, GameThatDoesNotStartLeavesTheGameOnScreenAlone)
{
    GameHarness h({U"Feo"});
    h.game.one_click();
    h.prompts.answers = {U"", U"abc", U""};
    h.game.five_click();
    h.game.tree_click();
    h.game.for_click();
    h.type(U"feo");
    ASSERT_EQ(h.prompts.messages.size(), 2u);
    EXPECT_EQ(h.prompts.messages[1].text, U"Has ganado");
    EXPECT_EQ(h.state().score, 1000);
    EXPECT_TRUE(h.board().Label4_visible);

    h.game.two_click();
    h.prompts.answers = {U"31"};
    h.game.five_click();
    h.type(U"x");
    EXPECT_EQ(h.board().panel(7), U"Jugador2");
    EXPECT_EQ(h.state().pair_turn, 2);
}

TEST(NewGame, ModesSetTheirTurnFields)
{
    GameHarness h;
    h.game.two_click();
    EXPECT_EQ(h.state().pair_turn, 1);
    EXPECT_EQ(h.board().panel(7), U"Jugador1");
    EXPECT_FALSE(h.board().Label3_visible);
    h.prompts.answers = {U"3", U"Feo"};
    h.game.five_click();
    EXPECT_EQ(h.state().pair_turn, 3);
    EXPECT_EQ(h.board().panel(7), U"Jugador2");
    EXPECT_EQ(h.prompts.inputs.at(1).title, U"Jugador1");
    h.game.one_click();
    EXPECT_FALSE(h.state().multi_mode);
    EXPECT_EQ(h.board().panel(7), U"Jugador2"); // left as the last game left it
}

} // namespace
