#pragma once
#include <string>

#include "board.h"
#include "decimal.h"
#include "game_state.h"

// The rules that hold after every event of a game, whatever was typed or chosen;
// empty when they all hold, else the one that broke.
inline std::string broken_invariant(const GameState& s, const Board& b)
{
    if (b.Label1.size() != b.Label2.size())
        return "Label1 and Label2 differ in count";
    if (!s.guessing_on)
        return {};
    if (s.next_picture < 0 || s.next_picture > 8)
        return "next_picture out of 0..8";
    if (b.List2.size() != static_cast<std::size_t>(8 - s.next_picture))
        return "List2 does not match next_picture";
    if (b.Label2.size() != s.hidden_word.size() + 1)
        return "slots do not match the word";
    if (s.multi_mode && b.panel(7) != U"Jugador" + decimal(s.current_player))
        return "panel 7 does not name the player in turn";
    if ((s.pair_turn == 1 || s.pair_turn == 2) && b.panel(7) != (s.pair_turn == 1 ? U"Jugador1" : U"Jugador2"))
        return "panel 7 does not name Jugador1/Jugador2 in turn";
    return {};
}
