#pragma once
#include <string>

#include "engine/board.h"
#include "engine/game_state.h"
#include "text/decimal.h"

// The rules that hold after every event of a game, whatever was typed or chosen;
// empty when they all hold, else the one that broke.
inline std::string broken_invariant(const GameState& s, const Board& b)
{
    if (!s.guessing_on)
        return {};
    if (s.next_picture < 0 || s.next_picture > 8)
        return "next_picture out of 0..8";
    if (b.wrong_letters.size() != static_cast<std::size_t>(8 - s.next_picture))
        return "wrong letters do not match next_picture";
    if (b.slots.size() != s.hidden_word.size())
        return "slots do not match the word";
    if (s.multi_mode && b.turn_text != U"Jugador" + decimal(s.current_player))
        return "the turn does not name the player in turn";
    if ((s.pair_turn == 1 || s.pair_turn == 2) && b.turn_text != (s.pair_turn == 1 ? U"Jugador1" : U"Jugador2"))
        return "the turn does not name Jugador1/Jugador2 in turn";
    return {};
}
