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
    if (s.misses < 0 || s.misses >= GameState::most_misses)
        return "misses out of 0..8 in play";
    if (b.wrong_letters.size() != static_cast<std::size_t>(s.misses))
        return "wrong letters do not match the misses";
    if (b.slots.size() != s.hidden_word.size())
        return "slots do not match the word";
    if (s.multi_mode && b.turn_text != U"Jugador" + decimal(s.current_player))
        return "the turn does not name the player in turn";
    if (s.pair_turn != PairPlayer::nobody &&
        b.turn_text != (s.pair_turn == PairPlayer::player1 ? U"Jugador1" : U"Jugador2"))
        return "the turn does not name Jugador1/Jugador2 in turn";
    return {};
}
