#include "engine/game.h"

void Game::new_one_player_game()
{
    const Announcement announcement{*this};
    std::optional<std::u32string> word = draw_word(/*until_word=*/false);
    if (!word)
        return;
    show_points(true);
    m_state.score = 0;
    m_state.pair_turn = PairPlayer::nobody;
    m_state.last_setter = PairPlayer::nobody;
    m_state.multi_mode = false;
    play_twice(std::move(*word));
}
