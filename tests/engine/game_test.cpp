#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "engine/spoken_word.h"
#include "tests/engine/game_harness.h"

namespace {

// A game played from the start: the word file, the answers typed into the input
// boxes (Cancel once they run out), the keys, then what the players see, the
// boxes they met and, where given, what a screen reader was told.
struct Scenario {
    const char* name;
    std::vector<std::u32string> words;
    std::vector<std::u32string> answers;
    std::u32string keys;
    std::u32string seen;
    std::u32string boxes = U"";
    std::optional<std::u32string> said = std::nullopt;
};

class Play : public testing::TestWithParam<Scenario> {};

TEST_P(Play, ShowsWhatThePlayersExpect)
{
    const Scenario& s = GetParam();
    GameHarness h(s.words);
    h.prompts.answers = {s.answers.begin(), s.answers.end()};
    h.play(s.keys);
    EXPECT_EQ(h.seen(), s.seen);
    EXPECT_EQ(h.boxes(), s.boxes);
    EXPECT_EQ(h.view.said, s.said.value_or(h.view.said));
}

const std::u32string nine_misses = U"abcdghijk";

INSTANTIATE_TEST_SUITE_P(
    Games, Play,
    testing::Values(
        Scenario{"NothingBeforeTheFirstGame",
                 {U"Feo"},
                 {},
                 U"feo",
                 U"[] right  wrong  pieces 0 | Aciertos: 0 | Fallos: 0 |  | - | score 0 | over"},
        Scenario{"EveryOccurrenceInItsCaseListedLower",
                 {U"MaNteQuIlla"},
                 {},
                 U"<F2>LaC",
                 U"[ a      lla] right la wrong c pieces 1 | Aciertos: 2 | Fallos: 1 |  |  | score 0"},
        Scenario{"AccentsEnyeAndCedillaAreLettersOfTheirOwn",
                 {U"ÑaÓç"},
                 {},
                 U"<F2>noÇ",
                 U"[   ç] right ç wrong no pieces 2 | Aciertos: 1 | Fallos: 2 |  |  | score 0"},
        Scenario{"LetterTriedBeforeChangesNothing",
                 {U"Feo"},
                 {},
                 U"<F2>fFxXx",
                 U"[F  ] right f wrong x pieces 1 | Aciertos: 1 | Fallos: 1 |  |  | score 0",
                 U"",
                 U"Palabra nueva de 3 letras. | Acierto: f. | f ya está probada. | Fallo: x. Quedan 8 intentos. | "
                 U"x ya está probada. | x ya está probada. | "},
        // Mended: characters nobody can type stand revealed, so the word can be won.
        Scenario{"NonLettersStandRevealedAndChangeNothing",
                 {U"Ola 2ü"},
                 {},
                 U"<F2>5 ü\r\b\x1b\x06\x1a",
                 U"[    2ü] right  wrong  pieces 0 | Aciertos: 0 | Fallos: 0 |  |  | score 0",
                 U"",
                 U"Palabra nueva de 6 letras. | 5 no es una letra. | espacio no es una letra. | ü no es una letra. | "
                 U"Intro no es una letra. | Retroceso no es una letra. | Escape no es una letra. | "
                 U"Control+F no es una letra. | Control+Z no es una letra. | "},
        Scenario{"NinthMissLosesTheWord",
                 {U"Feo"},
                 {},
                 U"<F2>" + nine_misses + U"lfeo",
                 U"[   ] right  wrong abcdghijk pieces 9 | Aciertos: 0 | Fallos: 9 |  | - | score 0 | over",
                 U"[PeRdEdOr] Has perdido...\r\nLa palabra era: Feo ",
                 U"Palabra nueva de 3 letras. | Fallo: a. Quedan 8 intentos. | Fallo: b. Quedan 7 intentos. | "
                 U"Fallo: c. Quedan 6 intentos. | Fallo: d. Quedan 5 intentos. | Fallo: g. Quedan 4 intentos. | "
                 U"Fallo: h. Quedan 3 intentos. | Fallo: i. Quedan 2 intentos. | Fallo: j. Queda 1 intento. | "
                 U"Fallo: k. Has perdido. | "},
        Scenario{"OnePlayerWordWonEarnsPointsAndTheNextWordFollows",
                 {U"Feo"},
                 {},
                 U"<F2>fxeo",
                 U"[   ] right  wrong  pieces 0 | Aciertos: 0 | Fallos: 0 |  | 1000 puntos. | score 1000",
                 U"[¡¡¡GaNaDoR!!!] Has ganado ",
                 U"Palabra nueva de 3 letras. | Acierto: f. | Fallo: x. Quedan 8 intentos. | Acierto: e. | "
                 U"Acierto: o. 1000 puntos. Palabra nueva de 3 letras. | "},
        Scenario{"WinnerIsThePlayerInTurn",
                 {U"Ño"},
                 {},
                 U"<F4>ñO",
                 U"[Ño] right ño wrong  pieces 0 | Aciertos :2 | Fallos: 0 |  | - | score 0 | over",
                 U"[¡¡¡GaNaDoR!!!] El ganador ha sido: Jugador2 ",
                 U"Palabra nueva de 2 letras. Turno de Jugador1. | Acierto: ñ. Turno de Jugador2. | Acierto: o. | "},
        // Every move passes the turn but a letter tried before.
        Scenario{"PairTakesTurns",
                 {U"PiZarrA"},
                 {},
                 U"<F4>p5 xxa",
                 U"[P  a  A] right pa wrong x pieces 1 | Aciertos: 2 | Fallos: 1 | Jugador2 | - | score 0",
                 U"",
                 U"Palabra nueva de 7 letras. Turno de Jugador1. | Acierto: p. Turno de Jugador2. | 5 no es una letra. "
                 U"Turno de Jugador1. | "
                 U"espacio no es una letra. Turno de Jugador2. | Fallo: x. Quedan 8 intentos. Turno de Jugador1. | x "
                 U"ya está probada. | "
                 U"Acierto: a. Turno de Jugador2. | "},
        Scenario{"FourPlayersTakeTurnsAfterTheOneWhoSetTheWord",
                 {U"Feo"},
                 {U"4", U"PiZarrA"},
                 U"<F5>p5 xxa",
                 U"[P  a  A] right pa wrong x pieces 1 | Aciertos: 2 | Fallos: 1 | Jugador4 | - | score 0",
                 U"?CuErDaLoKKK ?Jugador1 ",
                 U"Palabra nueva de 7 letras. Turno de Jugador2. | Acierto: p. Turno de Jugador3. | 5 no es una letra. "
                 U"Turno de Jugador4. | "
                 U"espacio no es una letra. Turno de Jugador2. | Fallo: x. Quedan 8 intentos. Turno de Jugador3. | x "
                 U"ya está probada. | "
                 U"Acierto: a. Turno de Jugador4. | "},
        Scenario{"TwoOfSeveralAgainstTheComputerIsOneTurn",
                 {U"PiZarrA"},
                 {U"2"},
                 U"<F6>p5 xxa",
                 U"[P  a  A] right pa wrong x pieces 1 | Aciertos: 2 | Fallos: 1 | Jugador2 | - | score 0",
                 U"?CuErDaLoKKK ",
                 U"Palabra nueva de 7 letras. Turno de Jugador2. | Acierto: p. Turno de Jugador2. | 5 no es una letra. "
                 U"Turno de Jugador2. | "
                 U"espacio no es una letra. Turno de Jugador2. | Fallo: x. Quedan 8 intentos. Turno de Jugador2. | x "
                 U"ya está probada. | "
                 U"Acierto: a. Turno de Jugador2. | "},
        Scenario{"TwoPlayersWordEndsTheOnePlayerWayWithTheScoreHidden",
                 {U"MoTo"},
                 {U"Si"},
                 U"<F3>si",
                 U"[    ] right  wrong  pieces 0 | Aciertos: 0 | Fallos: 0 | Jugador1 | - | score 1000",
                 U"?Jugador2 [¡¡¡GaNaDoR!!!] Has ganado "},
        Scenario{"EmptyWordOfSeveralPlayersIsWonByTheFirstKey",
                 {U"Feo", U""},
                 {U"3"},
                 U"<F6>q",
                 U"[] right  wrong q pieces 1 | Aciertos :0 | Fallos: 1 |  | - | score 0 | over",
                 U"?CuErDaLoKKK [¡¡¡GaNaDoR!!!] El ganador ha sido: Jugador2 "},
        Scenario{"TwoPlayersSwapRolesEvenAfterACancelledPrompt",
                 {U"Feo"},
                 {U"Uno", U"", U"Tres"},
                 U"<F3><F3><F3>",
                 U"[    ] right  wrong  pieces 0 | Aciertos: 0 | Fallos: 0 | Jugador1 | - | score 0",
                 U"?Jugador2 ?Jugador1 ?Jugador2 "},
        Scenario{"AnotherModeLetsJugador2SetTheNextWord",
                 {U"Feo"},
                 {U"Uno", U"Dos"},
                 U"<F3><F2><F3>",
                 U"[   ] right  wrong  pieces 0 | Aciertos: 0 | Fallos: 0 | Jugador1 | - | score 0",
                 U"?Jugador2 ?Jugador2 "},
        // The score display goes and nobody sets a two-player word any more, but the
        // game on screen goes on in its own mode.
        Scenario{"CancelledCommandsLeaveTheGameOnScreenInItsMode",
                 {U"Feo"},
                 {U"Uno", U"", U"abc", U""},
                 U"<F3><F5><F6><F3>u",
                 U"[U  ] right u wrong  pieces 0 | Aciertos: 1 | Fallos: 0 | Jugador1 | - | score 0",
                 U"?Jugador2 ?CuErDaLoKKK ?CuErDaLoKKK ?Jugador2 "
                 U"[CuErDaLoKKK] El número de jugadores debe estar entre 2 y 30 "},
        Scenario{"TwentyOneCharactersAreAWord",
                 {U"Feo"},
                 {U"5", U"ÁÉÍÓÚáéíóúÑñÇçaeiou A"},
                 U"<F5>a",
                 U"[              a     A] right a wrong  pieces 0 | Aciertos: 1 | Fallos: 0 | Jugador3 | - | score 0",
                 U"?CuErDaLoKKK ?Jugador1 "},
        Scenario{"TwentyTwoCharactersAreRefused",
                 {U"Feo"},
                 {U"abcdefghij 1234567890X"},
                 U"<F3>",
                 U"[] right  wrong  pieces 0 | Aciertos: 0 | Fallos: 0 |  | - | score 0 | over",
                 U"?Jugador2 [Error] La palabra no puede tener más de 21 letras. "},
        Scenario{"ThirtyOnePlayersAreTooMany",
                 {U"Feo"},
                 {U"31"},
                 U"<F6>",
                 U"[] right  wrong  pieces 0 | Aciertos: 0 | Fallos: 0 |  | - | score 0 | over",
                 U"?CuErDaLoKKK [CuErDaLoKKK] El máximo de jugadores es 30 ",
                 U""},
        // Mended: a count that is no whole number of at least 2 was taken, and the
        // turn then counted up for ever.
        Scenario{"FractionIsNoPlayerCount",
                 {U"Feo"},
                 {U"2.5"},
                 U"<F6>",
                 U"[] right  wrong  pieces 0 | Aciertos: 0 | Fallos: 0 |  | - | score 0 | over",
                 U"?CuErDaLoKKK [CuErDaLoKKK] El número de jugadores debe estar entre 2 y 30 "},
        Scenario{"BlanksAroundTheCountAreTaken",
                 {U"Feo"},
                 {U" 30 "},
                 U"<F6>xy",
                 U"[   ] right  wrong xy pieces 2 | Aciertos: 0 | Fallos: 2 | Jugador4 | - | score 0",
                 U"?CuErDaLoKKK "},
        // Mended: a file without a word started new games for ever.
        Scenario{"FileWithoutAWordIsSaidAndStartsNothing",
                 {U"", U""},
                 {},
                 U"<F4>",
                 U"[] right  wrong  pieces 0 | Aciertos: 0 | Fallos: 0 |  | - | score 0 | over",
                 U"[CuErDaLoKKK] El archivo palabras.txt no contiene ninguna palabra. "}),
    CaseName{});

// The ninth piece and the final counts are on screen behind the boxes.
TEST(Boxes, ShowTheBoardAsItIsBehindThem)
{
    GameHarness h({U"Feo"});
    std::vector<std::u32string> behind;
    h.prompts.while_open = [&] { behind.push_back(h.seen()); };
    h.play(U"<F2>fxeo" + nine_misses);
    behind.resize(2); // then the record's name is asked
    EXPECT_EQ(behind,
              (std::vector<std::u32string>{
                  U"[Feo] right feo wrong x pieces 1 | Aciertos :3 | Fallos: 1 |  |  | score 0 | over",
                  U"[   ] right  wrong abcdghij pieces 9 | Aciertos: 0 | Fallos: 8 |  | 1000 puntos. | score 1000"}));
}

TEST(Draws, EachEmptyDrawAsksForOneNewOnePlayerGameAndTheNextWordIsDrawnAgain)
{
    GameHarness h({U"", U"a", U"b"});
    h.random.values = {0.5, 0.7}; // the empty line, then "a"
    h.play(U"<F2>");
    EXPECT_EQ(h.deferred.requests, 1);
    h.random.values = {0.5, 0.5}; // both empty: F2 follows, not this mode again
    h.play(U"<F4>");
    EXPECT_EQ(h.deferred.requests, 3);
    // Mended: an empty line drawn for the next word started a new game at 0 points.
    h.random.values = {0.7, 0.7, 0.5}; // "a" twice; after the win the empty line, then "b"
    h.play(U"<F2>a");
    EXPECT_EQ(h.game.state().hidden_word, U"b");
    EXPECT_EQ(h.game.state().score, 1000);
    EXPECT_EQ(h.deferred.requests, 3);
    EXPECT_EQ(h.game.state().word_count, 3);
}

// One-player words won, then nine misses: the first place the points reach, a
// tie going to the new player; only Aceptar writes.
TEST(RecordCheck, LostWordTakesTheFirstPlaceItReaches)
{
    const std::string ranked = "A\r\n5000\r\nB\r\n3000\r\nC\r\n2000\r\n";
    const struct {
        std::string table;
        int words_won;
        ScoreCells shown; // empty: no record, no name asked
    } cases[] = {{"", 1, {U"Ana", U"1000", U"Quiro", U"1000", U"Quiro", U"1000"}},
                 {"", 0, {}},
                 {ranked, 3, {U"A", U"5000", U"Ana", U"3000", U"B", U"3000"}},
                 {ranked, 2, {U"A", U"5000", U"B", U"3000", U"Ana", U"2000"}},
                 {ranked, 1, {}},
                 {"A\r\n5000\r\nB\r\nmucho\r\n", 1, {U"A", U"5000", U"Ana", U"1000", U"Quiro", U"1000"}}};
    for (const auto& c : cases) {
        GameHarness h({U"a"});
        if (!c.table.empty())
            h.file("puntuaciones.txt") = c.table;
        const std::string before = h.file("puntuaciones.txt");
        h.prompts.answers = {U"Ana"};
        h.play(U"<F2>" + std::u32string(static_cast<std::size_t>(c.words_won), U'a') + U"bcdefghij");
        EXPECT_EQ(h.boxes().starts_with(U"?Record"), !c.shown[0].empty()) << c.words_won;
        EXPECT_EQ(h.view.shown, c.shown[0].empty() ? ScoreCells{} : c.shown) << c.words_won;
        EXPECT_EQ(h.file("puntuaciones.txt"), before);
    }
    // Other modes compare the points of the last one-player game.
    GameHarness h({U"a"});
    h.file("puntuaciones.txt") = ranked;
    h.play(U"<F2>aaaabcdefghij");
    h.core.score_table.cancel();
    h.set_words({U"Feo"});
    h.play(U"<F4>abcdghijk");
    EXPECT_EQ(h.prompts.inputs.size(), 2u);
    EXPECT_EQ(h.view.shown[3], U"4000");
}

// A missing word file is a first run: the built-in words, and the default table
// unless records are there (mended: they were replaced).
TEST(StartUp, FirstRunWritesOnlyWhatIsMissing)
{
    const std::string records = "Ana\r\n9000\r\nLuis\r\n4000\r\nEva\r\n2000\r\n";
    const struct {
        const char* words;  // nullptr: missing
        const char* scores; // nullptr: missing
        std::string scores_after;
    } cases[] = {{nullptr, nullptr, "Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n"},
                 {nullptr, records.c_str(), records},
                 {"", records.c_str(), records},
                 {"Feo\r\n", nullptr, ""}};
    for (const auto& c : cases) {
        GameHarness h;
        h.core.score_table.open_for_viewing();
        h.files.files.clear();
        h.files.leftovers_removed.clear();
        if (c.words)
            h.file("palabras.txt") = c.words;
        if (c.scores)
            h.file("puntuaciones.txt") = c.scores;
        h.game.start_up();
        EXPECT_EQ(h.file("palabras.txt").size(), c.words ? std::strlen(c.words) : 456u);
        EXPECT_EQ(h.file("palabras.txt").substr(0, 14), c.words ? c.words : "Calle\r\nCoChE\r\n");
        EXPECT_EQ(h.file("puntuaciones.txt"), c.scores_after);
        EXPECT_EQ(h.files.leftovers_removed,
                  (std::vector<std::filesystem::path>{h.core.words.path(), h.core.scores.path()}));
        EXPECT_FALSE(h.core.score_table.viewing_only);
        EXPECT_EQ(h.game.state().current_player, 2);
        EXPECT_EQ(h.game.state().pair_turn, PairPlayer::nobody);
        EXPECT_EQ(h.game.state().last_setter, PairPlayer::nobody);
    }
}

TEST(SpokenWord, GivesTheLengthAndTheSlotsThatFit)
{
    WordSlots slots{U"CoCh 2"};
    slots.reveal(*find_letter(U'c'));
    EXPECT_EQ(spoken_word(slots, 21), U"Palabra de 6 letras: C, guion, C, guion, espacio, 2.");
    EXPECT_EQ(spoken_word(slots, 2), U"Palabra de 6 letras: C, guion, y 4 más.");
    EXPECT_EQ(spoken_word(WordSlots{U"a"}, 21), U"Palabra de 1 letra: guion.");
    EXPECT_EQ(spoken_word(WordSlots{}, 21), U"Palabra de 0 letras.");
}

} // namespace
