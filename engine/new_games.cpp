#include <utility>

#include "engine/deferred_game.h"
#include "engine/game.h"
#include "engine/game_text.h"
#include "engine/prompts.h"
#include "engine/spoken_word.h"
#include "words/word_file.h"

void Game::new_game(Mode mode)
{
    const Announcement announcement{*this};
    switch (mode) {
    case Mode::one_player:
        return new_one_player_game();
    case Mode::two_players:
        return new_two_player_game();
    case Mode::pair_against_computer:
        return new_pair_against_computer_game();
    case Mode::several_players:
    case Mode::several_against_computer:
        return new_several_player_game(mode);
    }
}

void Game::new_one_player_game()
{
    std::optional<std::u32string> word = word_for(Mode::one_player);
    if (!word)
        return;
    show_points(true);
    m_state.score = 0;
    m_state.next_setter = 2;
    start_turns(Mode::one_player, 0);
    play_twice(std::move(*word));
}

void Game::new_two_player_game()
{
    // The score display goes even when no word is given; the game on screen keeps its own mode.
    show_points(false);
    std::optional<std::u32string> word = word_for(Mode::two_players);
    if (!word)
        return;
    start_turns(Mode::two_players, 0);
    // The one who types the next word guesses this one.
    set_turn(game_text::player_name(m_state.next_setter));
    reset_counts();
    start_word(std::move(*word));
}

void Game::new_pair_against_computer_game()
{
    show_points(false);
    m_state.next_setter = 2;
    std::optional<std::u32string> word = word_for(Mode::pair_against_computer);
    if (!word)
        return;
    start_turns(Mode::pair_against_computer, 2);
    // F2 after an empty draw starts a one-player game, not another game of this mode.
    play_twice(std::move(*word));
}

void Game::new_several_player_game(Mode mode)
{
    const std::optional<int> count = ask_player_count();
    if (!count)
        return;
    // An empty line drawn here is played on: the first key completes the word.
    std::optional<std::u32string> word = word_for(mode);
    if (!word)
        return;
    start_turns(mode, *count);
    reset_counts();
    start_word(std::move(*word));
}

void Game::start_turns(Mode mode, int last_player)
{
    m_state.mode = mode;
    const TurnOrder turns = rules_of(mode).turns;
    m_state.player_in_turn = first_in_turn(turns);
    m_state.last_player = last_player;
    if (turns != TurnOrder::none)
        set_turn(game_text::player_name(m_state.player_in_turn));
}

std::optional<std::u32string> Game::word_for(Mode mode)
{
    switch (rules_of(mode).setter) {
    case WordSetter::computer:
        return draw_word(/*until_word=*/false);
    case WordSetter::first_player:
        return ask_word(game_text::player_name(1));
    case WordSetter::pair_in_turn:
        break;
    }
    // The roles swap even when no word is given: the other player is asked next time.
    const int setter = std::exchange(m_state.next_setter, 3 - m_state.next_setter);
    return ask_word(game_text::player_name(setter));
}

std::optional<int> Game::ask_player_count()
{
    // Asked only after the score display is gone and no two-player game is being
    // set up any more; the game on screen keeps its own mode.
    show_points(false);
    m_state.next_setter = 2;
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

std::optional<std::u32string> Game::ask_word(std::u32string_view setter)
{
    std::u32string word = m_services.prompts.input(game_text::word_prompt, setter, U"");
    if (word.empty())
        return std::nullopt;
    if (word.size() >= 22) {
        m_services.prompts.error(game_text::word_too_long);
        return std::nullopt;
    }
    return word;
}

std::optional<std::u32string> Game::draw_word(bool until_word)
{
    DrawnWord drawn;
    do
        drawn = m_services.words.draw();
    while (until_word && drawn.file_has_words && drawn.word.empty());
    if (!drawn.file_has_words) {
        // Drawing again could never find a word.
        box(game_text::no_words, game_text::program_title, MessageStyle::critical);
        return std::nullopt;
    }
    return std::move(drawn.word);
}

void Game::play_computer_word(std::u32string word)
{
    reset_counts();
    start_word(std::move(word));
    if (m_state.hidden_word.empty())
        m_services.deferred.request_one_player_game();
}

void Game::play_twice(std::u32string first)
{
    // Only the second word stays on the board, but each empty draw asks for a new game.
    play_computer_word(std::move(first));
    if (std::optional<std::u32string> second = draw_word(/*until_word=*/false))
        play_computer_word(std::move(*second));
}

void Game::reset_board()
{
    m_state.misses = 0;
    set_guessing(true);
    m_board.right_letters.clear();
    notify(BoardPart::right_letters);
    m_board.wrong_letters.clear();
    notify(BoardPart::wrong_letters);
    m_board.pieces.fill(false);
    notify(BoardPart::pieces);
}

void Game::start_word(std::u32string word)
{
    reset_board();
    m_state.hidden_word = std::move(word);
    m_board.slots = WordSlots{m_state.hidden_word};
    m_word_is_new = true;
    notify(BoardPart::slots);
}

void Game::reset_counts()
{
    set_counts(std::u32string{game_text::hits_in_play} + U"0", std::u32string{game_text::failures} + U"0");
}
