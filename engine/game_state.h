#pragma once
#include <cstdint>
#include <string>

// The fields of the game in progress; one instance lives as long as the main window.
struct GameState {
    std::int16_t next_picture = 0; // piece the next wrong letter shows; -1: hanged
    std::int16_t pair_turn = 0;    // 1 or 2 in "2 Jugadores vs Ordenador", else 3
    std::int16_t last_setter = 0;  // who typed the word in "2 jugadores", else 3
    std::int64_t word_count = 0;   // lines of the word file at the last draw
    std::u32string hidden_word;
    bool multi_mode = false;     // the two "X jugadores" modes
    std::u32string player_count; // the count as typed
    std::int16_t current_player = 0;
    std::int32_t score = 0;
    bool guessing_on = false; // typed characters reach the game
};
