#pragma once
#include <deque>
#include <string>
#include <vector>

#include "case_name.h"
#include "deferred_game.h"
#include "game_core.h"
#include "memory_file_system.h"
#include "random_source.h"
#include "scripted_prompts.h"

// Gives the values queued, then 0 (the last line of the file).
class ScriptedRandom final : public RandomSource {
public:
    std::deque<double> values;
    double next() override;
};

class CountingDeferred final : public DeferredGame {
public:
    int requests = 0;
    void request_one_player_game() override { ++requests; }
};

class RecordingScoreView final : public ScoreTableView {
public:
    ScoreCells shown;
    void show_cells(const ScoreCells& cells) override { shown = cells; }
    void show() override {}
    void close() override {}
};

class RecordingBoardView final : public BoardView {
public:
    std::u32string said; // every announcement, each ended by " | "
    void changed(const Board&, BoardPart) override {}
    void announce(std::u32string_view text) override { said += std::u32string{text} + U" | "; }
};

// A started game with its word file and score file in memory.
struct GameHarness {
    MemoryFileSystem files;
    FixedDirectory directory;
    ScriptedRandom random;
    ScriptedPrompts prompts;
    RecordingBoardView view;
    CountingDeferred deferred;
    RecordingScoreView score_view;
    GameCore core{files, directory, random, prompts, score_view, deferred, view};
    ScoreTableEditor& score_table = core.score_table;
    Game& game = core.game;

    // Writes the word file (CR LF after every word) and starts the program.
    explicit GameHarness(const std::vector<std::u32string>& word_lines = {U"Feo"});
    void set_words(const std::vector<std::u32string>& word_lines);
    std::string& file(const char* name) { return files.files[directory.path() / name]; }
    // Plays a script: "<F2>" to "<F6>" are the new-game keys, every other
    // character is typed.
    void play(std::u32string_view script);
    // What the players see: the slots, the letter lists, the pieces shown, the
    // status bar, the points, and every box opened so far.
    std::u32string seen() const;
    std::u32string boxes() const;

    const Board& board() const { return game.board(); }
    const GameState& state() const { return game.state(); }
};
