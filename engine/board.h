#pragma once
#include <array>
#include <string>

#include "engine/word_slots.h"

// What the main window shows of the game. The game reads it back: the winner
// is the player the turn text names.
struct Board {
    WordSlots slots;
    std::u32string right_letters; // one per character, lower case, in the order tried
    std::u32string wrong_letters;
    // The pieces of the figure shown, numbered from the left lower leg (0) up to
    // the head (8), the reverse of the order the misses show them in.
    std::array<bool, 9> pieces{};
    bool points_shown = false; // "Puntuación: " and the points, in one-player games
    std::u32string points;     // "3000 puntos."
    std::u32string hits_text = U"Aciertos: 0";
    std::u32string misses_text = U"Fallos: 0";
    std::u32string turn_text; // the player whose turn it is
    bool word_ended = false;  // won or lost: typed letters are no guesses until the next word
};

// Whether typed letters are guesses at a word on the board.
inline bool word_in_play(const Board& board)
{
    return board.slots.size() > 0 && !board.word_ended;
}

// The piece the nth miss (1 to 9) shows: the head first, the left lower leg last.
constexpr std::size_t piece_of_miss(int miss)
{
    return static_cast<std::size_t>(9 - miss);
}

enum class BoardPart { slots, right_letters, wrong_letters, pieces, status_texts, points };

// Told of every change as it happens, so the screen behind a modal box is current.
class BoardView {
public:
    virtual ~BoardView() = default;
    virtual void changed(const Board& board, BoardPart part) = 0;
    // What one key or command did, said once by a screen reader, in Spanish.
    virtual void announce(std::u32string_view text) = 0;
};
