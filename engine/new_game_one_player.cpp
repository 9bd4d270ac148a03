#include "game.h"

void Game::one_click()
{
    show_score_display(true);
    m_state.score = 0;
    m_state.pair_turn = 3;
    m_state.last_setter = 3;
    m_state.multi_mode = false;
    // Prepared twice: only the second word stays, but each empty draw asks for a new game.
    for (int run = 1; run <= 2; ++run) {
        if (!prepare_one_player_word(/*draw_until_word=*/false))
            return;
    }
}
