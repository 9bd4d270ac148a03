#include <cstdint>
#include <limits>

#include "engine/game.h"
#include "engine/game_text.h"
#include "engine/points.h"
#include "engine/spoken_text.h"
#include "platform/prompts.h"
#include "text/decimal.h"

namespace {
std::u32string joined(std::u32string_view caption, std::int64_t value)
{
    return std::u32string{caption} + decimal(value);
}
} // namespace

std::int32_t plus_word_points(std::int32_t score)
{
    constexpr std::int32_t points = 1000;
    constexpr std::int32_t most = std::numeric_limits<std::int32_t>::max();
    return score > most - points ? most : score + points;
}

void Game::check_word()
{
    const auto hits = static_cast<std::int64_t>(m_board.right_letters.size());
    const auto failures = static_cast<std::int64_t>(m_board.wrong_letters.size());
    if (!m_board.slots.complete()) {
        set_counts(joined(game_text::hits_in_play, hits), joined(game_text::failures, failures));
        pass_turn();
        return;
    }

    set_counts(joined(game_text::hits_complete, hits), joined(game_text::failures, failures));
    set_guessing(false);
    if (m_state.multi_mode || m_state.pair_turn != PairPlayer::nobody) {
        const std::u32string winner = m_board.turn_text;
        set_turn(U"");
        box(std::u32string{game_text::winner} + winner, game_text::winner_title, MessageStyle::information);
        return;
    }

    box(game_text::won, game_text::winner_title, MessageStyle::information);
    m_state.score = plus_word_points(m_state.score);
    m_board.points = decimal(m_state.score) + std::u32string{game_text::points};
    notify(BoardPart::points);
    // The box said the word is won; the points are said with the next word.
    if (m_board.points_shown)
        say(m_board.points);
    m_state.pair_turn = PairPlayer::nobody;
    m_state.last_setter = PairPlayer::nobody;
    m_state.multi_mode = false;
    // An empty line drawn here would restart the game and cost the points earned.
    if (std::optional<std::u32string> word = draw_word(/*until_word=*/true))
        play_computer_word(std::move(*word));
}

void Game::pass_turn()
{
    if (m_state.multi_mode) {
        if (m_state.current_player == m_state.player_count) {
            m_state.current_player = 2;
            set_turn(game_text::player2);
            return;
        }
        ++m_state.current_player;
        set_turn(joined(game_text::player, m_state.current_player));
    }
    if (m_state.pair_turn == PairPlayer::player2) {
        set_turn(game_text::player1);
        m_state.pair_turn = PairPlayer::player1;
    } else if (m_state.pair_turn == PairPlayer::player1) {
        set_turn(game_text::player2);
        m_state.pair_turn = PairPlayer::player2;
    }
}
