#pragma once
#include <cstdint>
#include <string>

#include "engine/mode.h"

// The fields of the game in progress; one instance lives as long as the main window.
struct GameState {
    static constexpr int most_misses = 9; // the ninth miss loses the word

    int misses = 0; // wrong letters in the word on the board
    std::u32string hidden_word;
    // The mode of the word on the board; a new game given up before its word keeps it.
    Mode mode = Mode::one_player;
    int player_in_turn = 0; // the guesser whose turn it is, where the turn passes
    int last_player = 0;    // after this one the turn goes back to the first
    // Who types the next word of "2 jugadores": Jugador2 again once another mode
    // is asked for or a word is won the one-player way.
    int next_setter = 2;
    std::int32_t score = 0;
    bool guessing_on = false; // typed characters reach the game
};
