#pragma once
#include <optional>
#include <string>

#include "engine/board.h"
#include "engine/game_state.h"
#include "engine/prompts.h"

class DeferredGame;
class Prompts;
class ScoreFile;
class ScoreTableEditor;
class WordFile;

// What the game needs around it.
struct GameServices {
    WordFile& words;
    ScoreFile& scores;
    ScoreTableEditor& score_table;
    Prompts& prompts;
    DeferredGame& deferred;
    BoardView& view;
};

// The game: its state, its board, and what the players do in the main window.
class Game {
public:
    explicit Game(GameServices services);

    // Start values, and on a first run the two data files.
    void start_up();
    // A character typed in the main window; does nothing while guessing is off.
    void type_character(char32_t c);
    // A new game of the mode, as its menu item or key starts it.
    void new_game(Mode mode);

    const Board& board() const { return m_board; }
    const GameState& state() const { return m_state; }

private:
    // Collects what one key or command does, and announces it once when it ends.
    class Announcement {
    public:
        explicit Announcement(Game& game) : m_game(game) {}
        Announcement(const Announcement&) = delete;
        Announcement& operator=(const Announcement&) = delete;
        ~Announcement() { m_game.announce(); }

    private:
        Game& m_game;
    };
    void say(std::u32string part);
    void announce();

    void guess_character(char32_t c);
    // What a key did: word_lost is the ninth miss; a letter tried before ends the key.
    enum class Guess { go_on, tried_before, word_lost };
    Guess guess_letter(const Letter& letter);
    Guess miss(const Letter& letter);
    void check_for_record();
    void check_word();
    void pass_turn();

    // "1 Jugador": one player against the word file, 1000 points a word.
    void new_one_player_game();
    // "2 jugadores": the players type words for each other in turn.
    void new_two_player_game();
    // "2 Jugadores vs Ordenador": Jugador1 and Jugador2 take turns on a drawn word.
    void new_pair_against_computer_game();
    // "X jugadores" (Jugador1 types the word) and "X jugadores vs Ordenador" (a
    // drawn word): players 2 to N guess it in turn.
    void new_several_player_game(Mode mode);
    // The word of a new game of the mode, from whoever sets it; nothing when none is given.
    std::optional<std::u32string> word_for(Mode mode);
    // The mode's word is about to be laid out: its turns start.
    void start_turns(Mode mode, int last_player);

    // A word from the word file; nothing when the file has no word, after saying so.
    std::optional<std::u32string> draw_word(bool until_word);
    void play_computer_word(std::u32string word);
    void play_twice(std::u32string first);
    void reset_board();
    void start_word(std::u32string word);
    void reset_counts();
    // 2 to 30; nothing when cancelled or refused.
    std::optional<int> ask_player_count();
    std::optional<std::u32string> ask_word(std::u32string_view setter);

    // A message box whose title a screen reader says in plain capitals.
    void box(std::u32string_view text, std::u32string_view title, MessageStyle style);
    void set_guessing(bool on);
    void set_counts(std::u32string hits, std::u32string misses);
    void set_turn(std::u32string_view player);
    void show_points(bool shown);
    void notify(BoardPart part);

    GameServices m_services;
    GameState m_state;
    Board m_board;
    std::u32string m_said;
    bool m_word_is_new = false;
    bool m_turn_passed = false;
};
