#pragma once
#include <cstdint>
#include <string>

// One of the two players of "2 jugadores" and "2 Jugadores vs Ordenador".
enum class PairPlayer { nobody, player1, player2 };

// The fields of the game in progress; one instance lives as long as the main window.
struct GameState {
    static constexpr int most_misses = 9; // the ninth miss loses the word

    int misses = 0;                              // wrong letters in the word on the board
    PairPlayer pair_turn = PairPlayer::nobody;   // in turn in "2 Jugadores vs Ordenador"
    PairPlayer last_setter = PairPlayer::nobody; // who typed the last word in "2 jugadores"
    std::int64_t word_count = 0;                 // lines of the word file at the last draw
    std::u32string hidden_word;
    bool multi_mode = false; // the two "X jugadores" modes
    int player_count = 0;    // players 2 to N take turns in those modes
    int current_player = 0;
    std::int32_t score = 0;
    bool guessing_on = false; // typed characters reach the game
};
