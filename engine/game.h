#pragma once
#include <optional>
#include <string>

#include "board.h"
#include "game_state.h"

class DeferredGame;
class Prompts;
class ScoreFile;
class ScoreWindow;
class WordFile;
struct Letter;

// What the game needs around it.
struct GameServices {
    WordFile& words;
    ScoreFile& scores;
    ScoreWindow& score_window; // Form3
    Prompts& prompts;
    DeferredGame& deferred;
    BoardView& view;
};

// The game: its state, its board and the handlers of the main window's events.
class Game {
public:
    explicit Game(GameServices services);

    // Start-up: start values, and on a first run the two data files.
    void on_main_window_load();
    // A character typed in the main window; does nothing while guessing is off.
    void on_key_press(char32_t c);
    // The five new-game commands: "1 Jugador", "2 jugadores", "2 Jugadores vs
    // Ordenador", "X jugadores", "X jugadores vs Ordenador".
    void one_click();
    void for_click();
    void two_click();
    void five_click();
    void tree_click();

    const Board& board() const { return m_board; }
    const GameState& state() const { return m_state; }

private:
    enum class Guess { go_on, stop };
    Guess guess_letter(const Letter& letter);
    void check_for_record();
    void check_word();
    void pass_turn();

    // A word from the word file; nothing when the file has no word, after saying so.
    std::optional<std::u32string> draw_word(bool until_word);
    void play_computer_word(std::u32string word);
    void play_twice(std::u32string first);
    void reset_board();
    void lay_out_word(const std::u32string& word);
    void start_word(std::u32string word);
    void reset_counts();
    std::optional<std::u32string> ask_player_count();
    std::optional<std::u32string> ask_word(std::u32string_view setter);
    void play_turns_of_several(std::u32string count, std::u32string word);

    void show_picture(int k);
    void add_line(std::vector<std::u32string>& list, BoardPart part, std::u32string_view line);
    void set_panel(int n, std::u32string text);
    void show_score_display(bool visible);
    void notify(BoardPart part);

    GameServices m_services;
    GameState m_state;
    Board m_board;
};
