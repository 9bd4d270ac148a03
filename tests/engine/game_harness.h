#pragma once
#include <deque>
#include <string>
#include <vector>

#include "deferred_game.h"
#include "game_core.h"
#include "case_name.h"
#include "decimal.h"
#include "memory_file_system.h"
#include "scripted_prompts.h"
#include "random_source.h"

// Gives the values queued, then 0 (the last line of the file).
class ScriptedRandom final : public RandomSource {
public:
    std::deque<double> values;
    double next() override;
};

class RecordingBoardView final : public BoardView {
public:
    std::vector<BoardPart> changes;
    void changed(const Board&, BoardPart part) override { changes.push_back(part); }
};

class CountingDeferred final : public DeferredGame {
public:
    int requests = 0;
    void request_one_player_game() override { ++requests; }
};

class RecordingScoreView final : public ScoreWindowView {
public:
    ScoreCells shown;
    bool open = false;
    void show_cells(const ScoreCells& cells) override { shown = cells; }
    void show() override { open = true; }
    void close() override { open = false; }
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
    WordFile& words = core.words;
    ScoreFile& scores = core.scores;
    ScoreWindow& score_window = core.score_window;
    Game& game = core.game;

    // Writes the word file (CR LF after every word) and starts the program.
    explicit GameHarness(const std::vector<std::u32string>& word_lines = {U"Feo"});
    void set_words(const std::vector<std::u32string>& word_lines);
    void set_scores(const std::string& bytes);
    std::string score_bytes() const;
    void type(std::u32string_view characters);
    // Plays one-player words until the score is reached, then loses the word.
    void score_and_lose(int words_won);

    const Board& board() const { return game.board(); }
    const GameState& state() const { return game.state(); }
};
