#include <cstdint>
#include <limits>
#include <utility>

#include "engine/game.h"
#include "engine/game_text.h"
#include "engine/points.h"
#include "engine/prompts.h"
#include "engine/score_table_editor.h"
#include "engine/spoken_text.h"
#include "scores/score_file.h"
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
    if (rules_of(m_state.mode).won == WonWord::winner_named) {
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
    m_state.next_setter = 2;
    // An empty line drawn here would restart the game and cost the points earned.
    if (std::optional<std::u32string> word = draw_word(/*until_word=*/true))
        play_computer_word(std::move(*word));
}

void Game::pass_turn()
{
    const TurnOrder turns = rules_of(m_state.mode).turns;
    if (turns == TurnOrder::none)
        return;
    const bool last = m_state.player_in_turn == m_state.last_player;
    m_state.player_in_turn = last ? first_in_turn(turns) : m_state.player_in_turn + 1;
    set_turn(game_text::player_name(m_state.player_in_turn));
}

void Game::check_for_record()
{
    show_points(false);
    const int place = record_place(score_table_of(m_services.scores.read_lines(6)), m_state.score);
    // What the key said goes into the name box's title, which a screen reader
    // says as the box opens: said apart, the one would cut the other off.
    if (place != 0)
        m_services.score_table.insert_record(place, m_state.score, std::exchange(m_said, {}));
}
