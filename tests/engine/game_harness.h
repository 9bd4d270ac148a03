#pragma once
#include <algorithm>
#include <string>
#include <vector>

#include "engine/deferred_game.h"
#include "engine/game_core.h"
#include "tests/support/case_name.h"
#include "tests/support/memory_file_system.h"
#include "tests/support/scripted_prompts.h"
#include "tests/support/scripted_random.h"
#include "text/cp1252.h"
#include "text/decimal.h"

struct CountingDeferred final : DeferredGame {
    int requests = 0;
    void request_one_player_game() override { ++requests; }
};

struct RecordingViews final : ScoreTableView, BoardView {
    ScoreCells shown;
    std::u32string said; // every announcement, each ended by " | "
    void show_cells(const ScoreCells& cells) override { shown = cells; }
    void show() override {}
    void close() override {}
    void changed(const Board&, BoardPart) override {}
    void announce(std::u32string_view text) override { said += std::u32string{text} + U" | "; }
};

// A started game with its word file (CR LF after every word) and score file in memory.
struct GameHarness {
    MemoryFileSystem files;
    FixedDirectory directory;
    ScriptedRandom random;
    ScriptedPrompts prompts;
    RecordingViews view;
    CountingDeferred deferred;
    GameCore core{files, directory, random, prompts, view, deferred, view};
    Game& game = core.game;

    explicit GameHarness(const std::vector<std::u32string>& words = {U"Feo"})
    {
        set_words(words);
        file("puntuaciones.txt") = "Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n";
        game.start_up();
    }
    void set_words(const std::vector<std::u32string>& words)
    {
        file("palabras.txt").clear();
        for (const std::u32string& word : words)
            file("palabras.txt") += encode_cp1252(word).value() + "\r\n";
    }
    std::string& file(const char* name) { return files.files[directory.path() / name]; }

    // "<F2>" to "<F6>" are the new-game keys, every other character is typed.
    void play(std::u32string_view script)
    {
        static constexpr void (Game::*commands[])() = {
            &Game::new_one_player_game, &Game::new_two_player_game, &Game::new_pair_against_computer_game,
            &Game::new_several_player_game, &Game::new_several_player_against_computer_game};
        for (; !script.empty(); script.remove_prefix(1)) {
            if (script.starts_with(U"<F") && script.size() >= 4 && script[3] == U'>') {
                (game.*commands[script[2] - U'2'])();
                script.remove_prefix(3);
            } else {
                game.type_character(script.front());
            }
        }
    }

    // What the players see: the slots, the letter lists, the pieces shown, the
    // status bar, the points, and whether guessing is on.
    std::u32string seen() const
    {
        const Board& b = game.board();
        std::u32string slots;
        for (std::size_t i = 0; i < b.slots.size(); ++i)
            slots += b.slots.shown(i);
        return U"[" + slots + U"] right " + b.right_letters + U" wrong " + b.wrong_letters + U" pieces " +
               decimal(std::count(b.pieces.begin(), b.pieces.end(), true)) + U" | " + b.hits_text + U" | " +
               b.misses_text + U" | " + b.turn_text + U" | " + (b.points_shown ? b.points : U"-") + U" | score " +
               decimal(game.state().score) + (game.state().guessing_on ? U"" : U" | over");
    }
    // Every box opened so far: "?title" for a question, "[title] text" for a message.
    std::u32string boxes() const
    {
        std::u32string all;
        for (const auto& input : prompts.inputs)
            all += U"?" + input.title + U" ";
        for (const auto& message : prompts.messages)
            all += U"[" + message.title + U"] " + message.text + U" ";
        return all;
    }
};
