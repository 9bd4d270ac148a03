#include <gtest/gtest.h>

#include <optional>

#include "engine/spoken_word.h"
#include "tests/support/case_name.h"
#include "tests/support/memory_game.h"

namespace {

const std::string quiros = "Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n";
const std::string ranked = "A\r\n5000\r\nB\r\n3000\r\nC\r\n2000\r\n";
const std::u32string hint = U"Pulsa F2 para jugar solo, o de F3 a F6 para jugar con otros. | "; // no word in play

// The board: the word and the letters tried.
struct Letters {
    std::u32string word = U"";  // the slots, a blank for a letter not found yet
    std::u32string right = U""; // the letters of the two lists
    std::u32string wrong = U"";
    int pieces = 0; // of the figure
};

// The status bar's panels.
struct Panels {
    std::u32string hits = U"Aciertos: 0";
    std::u32string misses = U"Fallos: 0";
    std::u32string turn = U"";
};

// A game played from its start by a script (see the steps in memory_game.h), then
// what the players see; a field left out is as the game shows it at start-up.
struct Scenario {
    const char* name;
    std::u32string words = U"Feo"; // the lines of palabras.txt, split at '|'
    std::string scores = quiros;   // puntuaciones.txt
    Script script;
    Letters board = {};
    Panels status = {};
    std::optional<std::u32string> points = std::nullopt; // the score display; none while hidden
    std::int32_t score = 0;
    bool guessing = false; // typed letters are guesses at the word
    // Around it (see MemoryGame and ScriptedPrompts):
    std::u32string boxes = U"";
    std::u32string notes = U"";
    std::u32string table = U"";                        // the score window's cells while open
    std::u32string files = U"";                        // leftovers swept and files written
    std::optional<std::u32string> said = std::nullopt; // what a screen reader was told; not checked when none
};

// A failing row is named, not dumped as bytes.
void PrintTo(const Scenario& s, std::ostream* out)
{
    *out << s.name;
}

class Play : public testing::TestWithParam<Scenario> {};

TEST_P(Play, ShowsWhatThePlayersExpect)
{
    const Scenario& s = GetParam();
    MemoryGame g{s.words, s.scores};
    g.play(s.script);
    const Board& b = g.shown;
    EXPECT_EQ(g.word(), s.board.word);
    EXPECT_EQ(b.right_letters, s.board.right);
    EXPECT_EQ(b.wrong_letters, s.board.wrong);
    EXPECT_EQ(g.pieces(), s.board.pieces);
    EXPECT_EQ(b.hits_text, s.status.hits);
    EXPECT_EQ(b.misses_text, s.status.misses);
    EXPECT_EQ(b.turn_text, s.status.turn);
    EXPECT_EQ(b.points_shown ? std::optional{b.points} : std::nullopt, s.points);
    EXPECT_EQ(g.game.state().score, s.score);
    EXPECT_EQ(g.game.state().guessing_on, s.guessing);
    EXPECT_EQ(g.prompts.boxes, s.boxes);
    EXPECT_EQ(g.notes, s.notes);
    EXPECT_EQ(g.open_table(), s.table);
    EXPECT_EQ(g.files_touched(), s.files);
    if (s.said) {
        EXPECT_EQ(g.said, *s.said);
    }
}

// A row's fields packed by hand, a few to a line.
// clang-format off
const Scenario scenarios[] = {
    {.name = "NothingBeforeTheFirstGame", .script = {type(U"feo")}, .said = hint + hint + hint},
    {.name = "EveryOccurrenceInItsCaseListedLower", .words = U"MaNteQuIlla", .script = {press(U"F2"), type(U"LaC")},
     .board = {.word = U" a      lla", .right = U"la", .wrong = U"c", .pieces = 1},
     .status = {.hits = U"Aciertos: 2", .misses = U"Fallos: 1"}, .points = U"", .guessing = true},
    {.name = "AccentsEnyeAndCedillaAreLettersOfTheirOwn", .words = U"ÑaÓç", .script = {press(U"F2"), type(U"noÇ")},
     .board = {.word = U"   ç", .right = U"ç", .wrong = U"no", .pieces = 2},
     .status = {.hits = U"Aciertos: 1", .misses = U"Fallos: 2"}, .points = U"", .guessing = true},
    // The UTF-8 bytes of "Cañón" with its marks apart, as Windows-1252 spells them.
    {.name = "MarksApartFromTheirLettersAreNoSlots", .words = U"CanÌƒoÌ\u0081n",
     .script = {press(U"F2"), type(U"cañón")}, .board = {.word = U"     "}, .points = U"1000 puntos.", .score = 1000,
     .guessing = true, .boxes = U" [¡¡¡GaNaDoR!!!] Has ganado",
     .said = U"Palabra nueva de 5 letras. | Acierto: c. | Acierto: a. | Acierto: ñ. | Acierto: ó. | Acierto: n. "
             U"1000 puntos. Palabra nueva de 5 letras. | "},
    {.name = "LetterTriedBeforeChangesNothing", .script = {press(U"F2"), type(U"fFxXx")},
     .board = {.word = U"F  ", .right = U"f", .wrong = U"x", .pieces = 1},
     .status = {.hits = U"Aciertos: 1", .misses = U"Fallos: 1"}, .points = U"", .guessing = true},
    // Mended: characters nobody can type stand revealed, so the word can be won.
    {.name = "NonLettersStandRevealedAndChangeNothing", .words = U"Ola 2ü",
     .script = {press(U"F2"), type(U"5 ü\r\b\x1b\x06\x1a")}, .board = {.word = U"    2ü"}, .points = U"",
     .guessing = true,
     .said = U"Palabra nueva de 6 letras. | 5 no es una letra. | espacio no es una letra. | ü no es una letra. | "
             U"Intro no es una letra. | Retroceso no es una letra. | Escape no es una letra. | "
             U"Control+F no es una letra. | Control+Z no es una letra. | "},
    {.name = "NinthMissLosesTheWord", .script = {press(U"F2"), type(U"abcdghijklfeo")},
     .board = {.word = U"   ", .wrong = U"abcdghijk", .pieces = 9}, .status = {.misses = U"Fallos: 9"},
     .boxes = U" [PeRdEdOr] Has perdido...\r\nLa palabra era: Feo",
     .said = U"Palabra nueva de 3 letras. | Fallo: a. Quedan 8 intentos. | Fallo: b. Quedan 7 intentos. | "
             U"Fallo: c. Quedan 6 intentos. | Fallo: d. Quedan 5 intentos. | Fallo: g. Quedan 4 intentos. | "
             U"Fallo: h. Quedan 3 intentos. | Fallo: i. Quedan 2 intentos. | Fallo: j. Queda 1 intento. | "
             U"Fallo: k. Has perdido. | " + hint + hint + hint + hint},
    {.name = "WinnerIsThePlayerInTurn", .words = U"Ño", .script = {press(U"F4"), type(U"ñO")},
     .board = {.word = U"Ño", .right = U"ño"}, .status = {.hits = U"Aciertos :2"},
     .boxes = U" [¡¡¡GaNaDoR!!!] El ganador ha sido: Jugador2"},
    // Every move passes the turn but a letter tried before.
    {.name = "PairTakesTurns", .words = U"PiZarrA", .script = {press(U"F4"), type(U"p5 xxa")},
     .board = {.word = U"P  a  A", .right = U"pa", .wrong = U"x", .pieces = 1},
     .status = {.hits = U"Aciertos: 2", .misses = U"Fallos: 1", .turn = U"Jugador2"}, .guessing = true,
     .said = U"Palabra nueva de 7 letras. Turno de Jugador1. | Acierto: p. Turno de Jugador2. | 5 no es una letra. "
             U"Turno de Jugador1. | espacio no es una letra. Turno de Jugador2. | Fallo: x. Quedan 8 intentos. "
             U"Turno de Jugador1. | x ya está probada. | Acierto: a. Turno de Jugador2. | "},
    {.name = "FourPlayersTakeTurnsAfterTheOneWhoSetTheWord",
     .script = {answer(U"4"), answer(U"PiZarrA"), press(U"F5"), type(U"p5 xxa")},
     .board = {.word = U"P  a  A", .right = U"pa", .wrong = U"x", .pieces = 1},
     .status = {.hits = U"Aciertos: 2", .misses = U"Fallos: 1", .turn = U"Jugador4"}, .guessing = true,
     .boxes = U" ?CuErDaLoKKK ?Jugador1"},
    {.name = "TwoPlayersWordEndsTheOnePlayerWayWithTheScoreHidden", .words = U"MoTo",
     .script = {answer(U"Si"), press(U"F3"), type(U"si")}, .board = {.word = U"    "}, .status = {.turn = U"Jugador1"},
     .score = 1000, .guessing = true, .boxes = U" ?Jugador2 [¡¡¡GaNaDoR!!!] Has ganado"},
    {.name = "EmptyWordOfSeveralPlayersIsWonByTheFirstKey", .words = U"Feo|",
     .script = {answer(U"3"), press(U"F6"), type(U"q")}, .board = {.wrong = U"q", .pieces = 1},
     .status = {.hits = U"Aciertos :0", .misses = U"Fallos: 1"},
     .boxes = U" ?CuErDaLoKKK [¡¡¡GaNaDoR!!!] El ganador ha sido: Jugador2"},
    {.name = "TwoPlayersSwapRolesEvenAfterACancelledPrompt",
     .script = {answer(U"Uno"), answer(U""), answer(U"Tres"), answer(U"Cuatro"), press(U"F3"), type(U"u"),
                press(U"F3"), press(U"F3"), press(U"F3")},
     .board = {.word = U"      "}, .status = {.turn = U"Jugador2"}, .guessing = true,
     .boxes = U" ?Jugador2 ?Jugador1 ?Jugador2 ?Jugador1"},
    {.name = "AnotherModeLetsJugador2SetTheNextWord",
     .script = {answer(U"Uno"), answer(U"Dos"), answer(U"Tres"), press(U"F3"), press(U"F2"), press(U"F3"), press(U"F4"),
                press(U"F3")},
     .board = {.word = U"    "}, .status = {.turn = U"Jugador1"}, .guessing = true, .boxes = U" ?Jugador2++"},
    // The score display goes and nobody sets a two-player word any more, but the
    // game on screen goes on in its own mode.
    {.name = "CancelledCommandsLeaveTheGameOnScreenInItsMode",
     .script = {answer(U"Uno"), answer(U""), answer(U"abc"), answer(U""), press(U"F3"), press(U"F5"), press(U"F6"),
                press(U"F3"), type(U"u")},
     .board = {.word = U"U  ", .right = U"u"}, .status = {.hits = U"Aciertos: 1", .turn = U"Jugador1"},
     .guessing = true,
     .boxes = U" ?Jugador2 ?CuErDaLoKKK+ [CuErDaLoKKK] El número de jugadores debe estar entre 2 y 30 ?Jugador2"},
    {.name = "TwentyOneCharactersAreAWord",
     .script = {press(U"F2"), type(U"f"), answer(U"5"), answer(U"ÁÉÍÓÚáéíóúÑñÇçaeiou A"), press(U"F5")},
     .board = {.word = U"                     "}, .status = {.turn = U"Jugador2"}, .guessing = true,
     .boxes = U" ?CuErDaLoKKK ?Jugador1"},
    {.name = "TwentyTwoCharactersAreRefused", .script = {answer(U"abcdefghij 1234567890X"), press(U"F3")},
     .boxes = U" ?Jugador2 [Error] La palabra no puede tener más de 21 letras."},
    // Mended: a count that is no whole number of at least 2 was taken, and the
    // turn then counted up for ever.
    {.name = "CountsOutsideTwoToThirtyAreRefused",
     .script = {answer(U"31"), press(U"F6"), answer(U"99999999999999999999"), press(U"F6"),
                answer(U"-99999999999999999999"), press(U"F6"), answer(U"2.5"), press(U"F6"), answer(U"1"),
                press(U"F6")},
     .boxes = U" ?CuErDaLoKKK [CuErDaLoKKK] El máximo de jugadores es 30 ?CuErDaLoKKK [CuErDaLoKKK] El "
              U"máximo de jugadores es 30 ?CuErDaLoKKK [CuErDaLoKKK] El número de jugadores debe estar "
              U"entre 2 y 30 ?CuErDaLoKKK [CuErDaLoKKK] El número de jugadores debe estar entre 2 y 30 "
              U"?CuErDaLoKKK [CuErDaLoKKK] El número de jugadores debe estar entre 2 y 30"},
    {.name = "BlanksAroundTheCountAreTaken", .script = {answer(U" +30 "), press(U"F6"), type(U"xy")},
     .board = {.word = U"   ", .wrong = U"xy", .pieces = 2}, .status = {.misses = U"Fallos: 2", .turn = U"Jugador4"},
     .guessing = true, .boxes = U" ?CuErDaLoKKK"},
    // Mended: a file without a word started new games for ever.
    {.name = "FileWithoutAWordIsSaidAndStartsNothing", .words = U"|", .script = {press(U"F4")},
     .boxes = U" [CuErDaLoKKK] El archivo palabras.txt no contiene ninguna palabra."},
    // Each empty draw asks for one new one-player game; F2 follows, not this mode again.
    {.name = "EmptyDrawsAskForOnePlayerGames", .words = U"|a|b",
     .script = {draw(0.5), draw(0.7), press(U"F2"), draw(0.5), draw(0.5), press(U"F4")},
     .status = {.turn = U"Jugador1"}, .guessing = true, .notes = U" F2! F2! F2!"},
    // Mended: an empty line drawn for the next word started a new game at 0 points.
    // The next word starts with a clean board.
    {.name = "WordAfterAWinIsNeverAnEmptyLine", .words = U"|a|b",
     .script = {draw(0.7), draw(0.7), draw(0.5), press(U"F2"), type(U"za")}, .board = {.word = U" "},
     .points = U"1000 puntos.", .score = 1000, .guessing = true, .boxes = U" [¡¡¡GaNaDoR!!!] Has ganado"},
    // The first place the points reach takes the record, a tie going to the
    // new player; only Aceptar writes.
    // Characters the score file cannot hold are stored as it can.
    {.name = "RecordNameIsStoredAsTheFileCanHoldIt", .words = U"a",
     .script = {answer(U"Mª Li 李\r\nA"), press(U"F2"), type(U"abcdefghij"), accept_scores},
     .board = {.word = U" ", .wrong = U"bcdefghij", .pieces = 9}, .status = {.misses = U"Fallos: 9"}, .score = 1000,
     .boxes = U" [¡¡¡GaNaDoR!!!] Has ganado [PeRdEdOr] Has perdido...\r\nLa palabra era: a ?Record",
     .notes = U" closed", .files = U" puntuaciones.txt=Mª Li ?  A\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n"},
    {.name = "RecordTiesTheThirdPlaceAndAceptarSavesIt", .words = U"a", .scores = ranked,
     .script = {answer(U"Ana"), press(U"F2"), type(U"aabcdefghij"), accept_scores},
     .board = {.word = U" ", .wrong = U"bcdefghij", .pieces = 9}, .status = {.misses = U"Fallos: 9"}, .score = 2000,
     .boxes = U" [¡¡¡GaNaDoR!!!] Has ganado+ [PeRdEdOr] Has perdido...\r\nLa palabra era: a ?Record",
     .notes = U" closed", .files = U" puntuaciones.txt=A\r\n5000\r\nB\r\n3000\r\nAna\r\n2000\r\n"},
    {.name = "NoRecordBelowThirdPlace", .words = U"a", .scores = ranked,
     .script = {answer(U"Ana"), press(U"F2"), type(U"abcdefghij")},
     .board = {.word = U" ", .wrong = U"bcdefghij", .pieces = 9}, .status = {.misses = U"Fallos: 9"}, .score = 1000,
     .boxes = U" [¡¡¡GaNaDoR!!!] Has ganado [PeRdEdOr] Has perdido...\r\nLa palabra era: a"},
    // Other modes compare the points of the last one-player game.
    {.name = "OtherModesKeepTheLastOnePlayerPoints", .words = U"a", .scores = ranked,
     .script = {press(U"F2"), type(U"aaaabcdefghij"), cancel_scores, press(U"F4"), type(U"bcdefghij")},
     .board = {.word = U" ", .wrong = U"bcdefghij", .pieces = 9},
     .status = {.misses = U"Fallos: 9", .turn = U"Jugador2"}, .score = 4000,
     .boxes = U" [¡¡¡GaNaDoR!!!] Has ganado+++ [PeRdEdOr] Has perdido...\r\nLa palabra era: a ?Record "
              U"[PeRdEdOr] Has perdido...\r\nLa palabra era: a ?Record", .notes = U" closed",
     .table = U" A 5000  4000 B 3000"},
    {.name = "BorrarWritesTheDefaultTableAtOnce", .words = U"a", .scores = ranked,
     .script = {view_scores, erase_scores}, .table = U" Quiro 1000 Quiro 1000 Quiro 1000",
     .files = U" puntuaciones.txt=Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n"},
    // Mended: the title-bar close after a viewing left it viewing only, and Aceptar
    // then threw the next record away.
    {.name = "RecordAfterAViewingClosedByTheTitleBarIsSaved", .words = U"a", .scores = ranked,
     .script = {view_scores, close_scores, answer(U"Eva"), press(U"F2"), type(U"aabcdefghij"), accept_scores},
     .board = {.word = U" ", .wrong = U"bcdefghij", .pieces = 9}, .status = {.misses = U"Fallos: 9"}, .score = 2000,
     .boxes = U" [¡¡¡GaNaDoR!!!] Has ganado+ [PeRdEdOr] Has perdido...\r\nLa palabra era: a ?Record",
     .notes = U" closed", .files = U" puntuaciones.txt=A\r\n5000\r\nB\r\n3000\r\nEva\r\n2000\r\n"},
    {.name = "ScoreFileReadsWholePlaces", .words = U"a",
     .scores = "\r\n 3000\r\nBea\r\nabc\r\nMu\xF1oz\r\n1000\r\nEva\r\n9000\r\n", .script = {view_scores},
     .table = U"   3000 Quiro 1000 Muñoz 1000"},
    // A missing word file is a first run: the built-in words, and the default
    // table unless records are there (mended: they were replaced).
    {.name = "FirstRunWritesBothFiles", .words = U"a",
     .script = {remove_file("palabras.txt"), remove_file("puntuaciones.txt"), restart},
     .files = U" ~palabras.txt ~puntuaciones.txt "
              U"palabras.txt=Calle\r\nCoChE\r\nMoTo\r\nMaNteQuIlla\r\nMiErDa\r\nSilla\r\n…456 "
              U"puntuaciones.txt=Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n"},
    {.name = "FirstRunKeepsTheRecords", .words = U"a", .scores = ranked,
     .script = {remove_file("palabras.txt"), restart},
     .files = U" ~palabras.txt ~puntuaciones.txt "
              U"palabras.txt=Calle\r\nCoChE\r\nMoTo\r\nMaNteQuIlla\r\nMiErDa\r\nSilla\r\n…456"},
    // The dialog keeps the first 20 characters of whatever is typed or pasted;
    // an empty text adds nothing (mended: it added an empty line, drawn later).
    {.name = "AddedWordsKeepTwentyCharacters", .words = U"Sol",
     .script = {add_word(U"abcdefghijklmnopqrst"), add_word(U"abcdeXfghijklmnopqrst"), add_word(U"")},
     .notes = U" closed beep closed closed",
     .files = U" palabras.txt=Sol\r\nabcdefghijklmnopqrst\r\nabcdeXfghijklmnopqrs\r…49"},
    {.name = "WordTheFileCannotHoldIsRefused", .words = U"Sol", .script = {add_word(U"日本"), add_word(U"Sol\nMar")},
     .boxes = U" [Error] La palabra contiene caracteres no válidos.+"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Games, Play, testing::ValuesIn(scenarios), CaseName{});

TEST(SpokenWord, GivesTheLengthAndTheSlotsThatFit)
{
    WordSlots slots{U"CoCh 2"};
    slots.reveal(*find_letter(U'c'));
    EXPECT_EQ(spoken_word(slots, 21), U"Palabra de 6 letras: C, guion, C, guion, espacio, 2.");
    EXPECT_EQ(spoken_word(slots, 2), U"Palabra de 6 letras: C, guion, y 4 más.");
    EXPECT_EQ(spoken_word(WordSlots{U"a"}, 21), U"Palabra de 1 letra: guion.");
    EXPECT_EQ(spoken_word(WordSlots{}, 21), U"Palabra de 0 letras.");
    EXPECT_EQ(spoken_letters(U"xz") + spoken_letters(U""), U"x, z.ninguna.");
    for (const auto& [title, said] : {std::pair{U"PeRdEdOr", U"Perdedor"}, std::pair{U"CuErDaLoKKK", U"Cuerdalokkk"},
                                      std::pair{U"¡¡¡GaNaDoR!!!", U"¡¡¡Ganador!!!"}, std::pair{U"Record", U"Record"}})
        EXPECT_EQ(spoken_title(title), said);
}

} // namespace
