#include <gtest/gtest.h>

#include "game_harness.h"

namespace {

std::u32string lines(const std::vector<std::u32string>& list)
{
    std::u32string joined;
    for (const auto& line : list)
        joined += line + U",";
    return joined;
}

int pieces_shown(const Board& board)
{
    int shown = 0;
    for (bool visible : board.Image9)
        shown += visible ? 1 : 0;
    return shown;
}

struct GuessCase {
    const char* name;
    std::u32string word;
    std::u32string typed;
    std::u32string shown;   // the slots after typing
    std::u32string right;   // List1
    std::u32string wrong;   // List2
    int pieces;
};

class LetterGuess : public testing::TestWithParam<GuessCase> {};

TEST_P(LetterGuess, RevealsOrListsEachLetterOnce)
{
    const GuessCase& c = GetParam();
    GameHarness h({c.word});
    h.game.one_click();
    h.type(c.typed);
    EXPECT_EQ(h.board().shown_word(), c.shown);
    EXPECT_EQ(lines(h.board().List1), c.right);
    EXPECT_EQ(lines(h.board().List2), c.wrong);
    EXPECT_EQ(pieces_shown(h.board()), c.pieces);
    EXPECT_EQ(h.board().List2.size(), static_cast<std::size_t>(8 - h.state().next_picture));
}

INSTANTIATE_TEST_SUITE_P(
    Words, LetterGuess,
    testing::Values(
        GuessCase{"AllOccurrencesInTheirCase", U"CoChE", U"c", U"C C  ", U"c,", U"", 0},
        GuessCase{"OtherCaseOfAGuessedLetterChangesNothing", U"CoChE", U"cC", U"C C  ", U"c,", U"", 0},
        GuessCase{"LowerCaseListedForUpperCaseTyped", U"MaNteQuIlla", U"La", U" a      lla", U"l,a,", U"", 0},
        GuessCase{"PlainVowelIsNotTheAccentedOne", U"CaMiÓn", U"o", U"      ", U"", U"o,", 1},
        GuessCase{"AccentedVowelInEitherCase", U"CaMiÓn", U"oó", U"    Ó ", U"ó,", U"o,", 1},
        GuessCase{"NIsNotEnye", U"Ñu", U"nÑ", U"Ñ ", U"ñ,", U"n,", 1},
        GuessCase{"CedillaIsALetter", U"BaRçA", U"Ç", U"   ç ", U"ç,", U"", 0},
        GuessCase{"MissTriedBeforeAddsNoPiece", U"Feo", U"xXx", U"   ", U"", U"x,", 1},
        GuessCase{"NonLettersChangeNothing", U"Feo", U"5 ü€\r\x1b", U"   ", U"", U"", 0},
        // Mended: characters nobody can type stand revealed, so the word can be won.
        GuessCase{"NonLettersOfTheWordStandRevealed", U"Ola 2ü", U"", U"    2ü", U"", U"", 0}),
    CaseName{});

TEST(LetterGuess, NinthMissLosesTheWordWithTheWholeFigureOnScreen)
{
    GameHarness h({U"Feo"});
    h.game.one_click();
    int pieces_under_message = -1;
    std::size_t wrong_under_message = 0;
    h.prompts.while_open = [&] {
        pieces_under_message = pieces_shown(h.board());
        wrong_under_message = h.board().List2.size();
    };
    h.type(U"abcdghijk");

    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].text, U"Has perdido...\r\nLa palabra era: Feo");
    EXPECT_EQ(h.prompts.messages[0].title, U"PeRdEdOr");
    EXPECT_EQ(h.prompts.messages[0].style, MessageStyle::information);
    EXPECT_EQ(pieces_under_message, 9);
    EXPECT_EQ(wrong_under_message, 8u); // the ninth letter is listed after the box
    EXPECT_EQ(h.board().List2.size(), 9u);
    EXPECT_EQ(h.state().next_picture, -1);
    EXPECT_FALSE(h.state().guessing_on);
    EXPECT_EQ(h.board().panel(6), U"Fallos: 9");

    h.type(U"lfeo"); // the word is over: nothing more is taken
    EXPECT_EQ(h.board().List2.size(), 9u);
    EXPECT_EQ(h.board().shown_word(), U"   ");
}

TEST(LetterGuess, NothingHappensBeforeTheFirstGame)
{
    GameHarness h;
    h.type(U"feo");
    EXPECT_TRUE(h.board().List1.empty());
    EXPECT_EQ(h.board().panel(5), U"Aciertos: 0");
    EXPECT_TRUE(h.view.changes.empty());
}

} // namespace
