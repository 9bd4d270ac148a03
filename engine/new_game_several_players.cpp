#include "engine/game.h"
#include "engine/game_text.h"
#include "engine/spoken_word.h"
#include "platform/prompts.h"
#include "text/decimal.h"

std::optional<int> Game::ask_player_count()
{
    // Asked only after the score display is gone and no two-player game is being
    // set up any more; the game on screen keeps its own mode.
    show_points(false);
    m_state.last_setter = PairPlayer::nobody;
    std::u32string answer = m_services.prompts.spoken_input(game_text::count_prompt, game_text::program_title, U"",
                                                            spoken_title(game_text::program_title));
    if (answer.empty())
        return std::nullopt;
    const std::optional<std::int64_t> players = whole_number(answer);
    if (!players || *players < 2) {
        // Such a count has no turn order: the turn would never come back to player 2.
        box(game_text::bad_player_count, game_text::program_title, MessageStyle::critical);
        return std::nullopt;
    }
    if (*players >= 31) {
        box(game_text::too_many_players, game_text::program_title, MessageStyle::critical);
        return std::nullopt;
    }
    return static_cast<int>(*players);
}

void Game::new_pair_against_computer_game()
{
    const Announcement announcement{*this};
    show_points(false);
    m_state.last_setter = PairPlayer::nobody;
    std::optional<std::u32string> word = draw_word(/*until_word=*/false);
    if (!word)
        return;
    m_state.pair_turn = PairPlayer::player1;
    m_state.multi_mode = false;
    set_turn(game_text::player1);
    // F2 after an empty draw starts a one-player game, not another game of this mode.
    play_twice(std::move(*word));
}

void Game::play_turns_of_several(int count, std::u32string word)
{
    m_state.pair_turn = PairPlayer::nobody;
    m_state.current_player = 2;
    m_state.multi_mode = true;
    m_state.player_count = count;
    set_turn(game_text::player2);
    reset_counts();
    start_word(std::move(word));
}

void Game::new_several_player_game()
{
    const Announcement announcement{*this};
    const std::optional<int> count = ask_player_count();
    if (!count)
        return;
    std::optional<std::u32string> word = ask_word(game_text::player1);
    if (!word)
        return;
    play_turns_of_several(*count, std::move(*word));
}

void Game::new_several_player_against_computer_game()
{
    const Announcement announcement{*this};
    const std::optional<int> count = ask_player_count();
    if (!count)
        return;
    // An empty line drawn here is played on: the first key completes the word.
    std::optional<std::u32string> word = draw_word(/*until_word=*/false);
    if (!word)
        return;
    play_turns_of_several(*count, std::move(*word));
}
