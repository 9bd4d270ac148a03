#pragma once
#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/add_words.h"
#include "engine/deferred_game.h"
#include "engine/game_core.h"
#include "tests/support/memory_file_system.h"
#include "tests/support/scripted_prompts.h"
#include "tests/support/scripted_random.h"
#include "text/cp1252.h"
#include "text/decimal.h"

struct MemoryGame;

// One thing the players do; a script is a list of them, made by the functions below.
using Step = std::function<void(MemoryGame&)>;
using Script = std::vector<Step>;

// The whole core over files in memory, started up, played from a script; what
// the players would notice is gathered as they would see it.
struct MemoryGame final : BoardView, ScoreTableView, DeferredGame, AddWordsView {
    MemoryFileSystem files;
    FixedDirectory directory;
    ScriptedRandom random;
    ScriptedPrompts prompts;
    GameCore core{files, directory, random, prompts, *this, *this, *this};
    Game& game = core.game;
    AddWords dialog{core.words, prompts, *this};
    std::map<std::filesystem::path, std::string> files_before;
    std::u32string said;  // every announcement, each ended by " | "
    std::u32string notes; // " beep", " closed" (a window), " F2!" (a new game asked for)
    Board shown;          // the board as the screen shows it
    ScoreCells table;     // the score window's cells while it is open
    bool table_open = false;

    // words: the lines of palabras.txt, split at '|', in Windows-1252 with CR LF.
    explicit MemoryGame(std::u32string_view words = U"Feo",
                        std::string scores = "Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n")
    {
        std::string& bytes = files.files[core.words.path()];
        for (std::size_t end = 0; end != std::u32string_view::npos; words.remove_prefix(end + 1)) {
            end = words.find(U'|');
            bytes += encode_cp1252(words.substr(0, end)).value() + "\r\n";
        }
        files.files[core.scores.path()] = std::move(scores);
        game.start_up();
        files_before = files.files;
        files.leftovers_removed.clear();
    }

    void play(const Script& script)
    {
        for (const Step& step : script)
            step(*this);
    }

    // Only the part the game says changed is taken: a change it keeps quiet
    // about never reaches the screen.
    void changed(const Board& b, BoardPart part) override
    {
        switch (part) {
        case BoardPart::slots:
            shown.slots = b.slots, shown.word_ended = b.word_ended;
            break;
        case BoardPart::right_letters:
            shown.right_letters = b.right_letters;
            break;
        case BoardPart::wrong_letters:
            shown.wrong_letters = b.wrong_letters;
            break;
        case BoardPart::pieces:
            shown.pieces = b.pieces;
            break;
        case BoardPart::status_texts:
            shown.hits_text = b.hits_text, shown.misses_text = b.misses_text, shown.turn_text = b.turn_text;
            break;
        case BoardPart::points:
            shown.points_shown = b.points_shown, shown.points = b.points;
            break;
        }
    }
    void announce(std::u32string_view text) override { said += std::u32string{text} + U" | "; }
    void show_cells(const ScoreCells& cells) override { table = cells; }
    void open_window() override { table_open = true; }
    void close_window() override { table_open = false, notes += U" closed"; }
    void close_dialog() override { notes += U" closed"; }
    void request_one_player_game() override { notes += U" F2!"; }
    void show_text(const std::u32string&, std::size_t) override {}
    void beep() override { notes += U" beep"; }

    void remove(const std::filesystem::path& path) { files.files.erase(path), files_before.erase(path); }

    // The slots as shown, a blank for a letter not found yet.
    std::u32string word() const
    {
        std::u32string slots;
        for (std::size_t i = 0; i < shown.slots.size(); ++i)
            slots += shown.slots.shown(i);
        return slots;
    }
    int pieces() const { return static_cast<int>(std::count(shown.pieces.begin(), shown.pieces.end(), true)); }
    // The score window's cells while it is open, each after a blank.
    std::u32string open_table() const
    {
        std::u32string cells;
        for (const std::u32string& cell : table)
            cells += table_open ? U" " + cell : U"";
        return cells;
    }
    // The leftovers swept, " ~name", and the files written, " name=bytes", cut
    // after 48 bytes and then followed by "…" and the size.
    std::u32string files_touched() const
    {
        std::u32string all;
        for (const auto& path : files.leftovers_removed)
            all += U" ~" + decode_cp1252(path.filename().string());
        for (const auto& [path, bytes] : files.files) {
            if (!files_before.contains(path) || files_before.at(path) != bytes)
                all += U" " + decode_cp1252(path.filename().string() + "=" + bytes.substr(0, 48)) +
                       (bytes.size() > 48 ? U"…" + decimal(static_cast<std::int64_t>(bytes.size())) : U"");
        }
        return all;
    }
};

// The next input box is answered with text; an empty text is Cancel, as is a
// box no answer is left for.
inline Step answer(std::u32string text)
{
    return [text](MemoryGame& g) { g.prompts.answers.push_back(text); };
}

// The key of a mode in the modes' table, "F2" to "F6"; any other fails the test.
inline Step press(std::u32string key)
{
    return [key](MemoryGame& g) {
        const auto mode = std::find_if(modes.begin(), modes.end(), [&key](const ModeRules& m) { return m.key == key; });
        if (mode == modes.end())
            throw std::invalid_argument("no mode starts with this key");
        g.game.new_game(mode->mode);
    };
}

// Each character typed in the main window.
inline Step type(std::u32string characters)
{
    return [characters](MemoryGame& g) {
        for (const char32_t c : characters)
            g.game.type_character(c);
    };
}

// Typed or pasted into the add-words dialog, then Enter.
inline Step add_word(std::u32string text)
{
    return [text](MemoryGame& g) { g.dialog.text_changed(text, 0), g.dialog.key_pressed(U'\r'); };
}

// The dice's next value, in [0, 1).
inline Step draw(double value)
{
    return [value](MemoryGame& g) { g.random.values.push_back(value); };
}

inline Step remove_file(std::string name)
{
    return [name](MemoryGame& g) { g.remove(g.directory.path() / name); };
}

// The game started again, as a new copy of the program would.
inline const Step restart = [](MemoryGame& g) { g.game.start_up(); };

// The score window: opened from the menu, its buttons, its title bar's close box.
inline const Step view_scores = [](MemoryGame& g) { g.core.score_table.open_for_viewing(); };
inline const Step accept_scores = [](MemoryGame& g) { g.core.score_table.accept(); };
inline const Step cancel_scores = [](MemoryGame& g) { g.core.score_table.cancel(); };
inline const Step erase_scores = [](MemoryGame& g) { g.core.score_table.erase(); };
inline const Step close_scores = [](MemoryGame& g) { g.core.score_table.closed(); };
