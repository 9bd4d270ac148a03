#pragma once
#include "engine/add_words.h"
#include "engine/board.h"
#include "engine/deferred_game.h"
#include "engine/score_table_editor.h"

// Every view of the game, showing nothing: for the tests that look only at the files, and for measuring the core.
struct SilentViews final : BoardView, ScoreTableView, AddWordsView, DeferredGame {
    void changed(const Board&, BoardPart) override {}
    void announce(std::u32string_view) override {}
    void show_cells(const ScoreCells&) override {}
    void open_window() override {}
    void close_window() override {}
    void close_dialog() override {}
    void show_text(const std::u32string&, std::size_t) override {}
    void beep() override {}
    void request_one_player_game() override {}
};
