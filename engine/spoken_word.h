#pragma once
#include <cstddef>
#include <string>

class WordSlots;
struct Board;

// A character as a screen reader should say it: a blank is "espacio", Enter is
// "Intro", Ctrl+F is "Control+F"; any other character is itself.
std::u32string spoken_character(char32_t c);

// The word on the board for a screen reader: its length and what each slot
// shows, "guion" for a slot not yet found. Only the first `at_most` slots are
// told, as only they are on screen.
std::u32string spoken_word(const WordSlots& slots, std::size_t at_most);

// The word control for a screen reader: the word, or that none is in play.
std::u32string spoken_board_word(const Board& board, std::size_t at_most);

// The letters of a list, one by one: "x, z."; "ninguna." for none.
std::u32string spoken_letters(std::u32string_view letters);

// What the tries left after a miss are: "Quedan 8 intentos.", "Queda 1 intento.",
// and none, "Has perdido.".
std::u32string spoken_tries(int tries);

// The status bar's misses and turn panels for a screen reader: the misses with
// the tries left while a word is in play ("Fallos: 5. Quedan 4 intentos."), and
// whose turn it is ("Turno de Jugador2"; nothing when no one's).
std::u32string spoken_misses(const Board& board);
std::u32string spoken_turn(const Board& board);

// A box's title as a speech synthesizer says it well: the design's mixed
// capitals in plain ones. Any other title is itself.
std::u32string_view spoken_title(std::u32string_view title);

// The length of a word: "5 letras", "1 letra".
std::u32string spoken_length(std::size_t count);
