#pragma once
#include <array>
#include <cstddef>
#include <string_view>

// The modes of play, in the order of the "Nuevo juego" menu.
enum class Mode { one_player, two_players, pair_against_computer, several_players, several_against_computer };

// Who types the word to guess.
enum class WordSetter {
    computer,     // drawn from the word file
    pair_in_turn, // Jugador2 first, then Jugador1, and so on
    first_player, // Jugador1, for the others to guess
};

// How the turn passes after each guess that is not a letter tried before.
enum class TurnOrder {
    none,         // the guesser keeps it
    pair,         // Jugador1, Jugador2, Jugador1...
    from_player2, // Jugador2 to the last player, then Jugador2 again
};

// What a word guessed in full leads to.
enum class WonWord {
    points_and_next_word, // 1000 points, and the computer draws the next word
    winner_named,         // the player in turn wins, and the game ends
};

// What a mode is: the one table the engine, the menus and the tests read.
struct ModeRules {
    Mode mode;
    std::string_view name;       // "onePlayer": its menu item is "onePlayerAction"
    std::u32string_view caption; // in the "Nuevo juego" menu
    std::u32string_view key;     // the key that starts it
    WordSetter setter;
    TurnOrder turns;
    WonWord won;
};

inline constexpr std::array<ModeRules, 5> modes{{
    {Mode::one_player, "onePlayer", U"1 Jugador", U"F2", WordSetter::computer, TurnOrder::none,
     WonWord::points_and_next_word},
    {Mode::two_players, "twoPlayers", U"2 jugadores", U"F3", WordSetter::pair_in_turn, TurnOrder::none,
     WonWord::points_and_next_word},
    {Mode::pair_against_computer, "pairAgainstComputer", U"2 Jugadores vs Ordenador", U"F4", WordSetter::computer,
     TurnOrder::pair, WonWord::winner_named},
    {Mode::several_players, "severalPlayers", U"X jugadores", U"F5", WordSetter::first_player, TurnOrder::from_player2,
     WonWord::winner_named},
    {Mode::several_against_computer, "severalAgainstComputer", U"X jugadores vs Ordenador", U"F6", WordSetter::computer,
     TurnOrder::from_player2, WonWord::winner_named},
}};

constexpr const ModeRules& rules_of(Mode mode)
{
    return modes[static_cast<std::size_t>(mode)];
}

// The table is indexed by the mode.
static_assert([] {
    for (std::size_t i = 0; i < modes.size(); ++i)
        if (modes[i].mode != static_cast<Mode>(i))
            return false;
    return true;
}());

// The first player in turn: the turn comes back to it after the last one.
constexpr int first_in_turn(TurnOrder turns)
{
    return turns == TurnOrder::from_player2 ? 2 : 1;
}
