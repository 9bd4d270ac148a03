#pragma once
#include <algorithm>
#include <map>
#include <string>

#include "engine/add_words.h"
#include "engine/deferred_game.h"
#include "engine/game_core.h"
#include "tests/support/memory_file_system.h"
#include "tests/support/scripted_prompts.h"
#include "tests/support/scripted_random.h"
#include "text/cp1252.h"
#include "text/decimal.h"

// The whole core over files in memory, started up, played from a script; what
// the players would notice comes back as one line of text.
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
    std::u32string notes; // beeps, closed windows, new games asked for
    std::u32string boxes; // every box, "?title" for a question
    std::u32string last_box;
    std::size_t inputs_seen = 0;
    Board shown;      // the board as the screen shows it
    ScoreCells table; // the score window's cells while it is open
    bool table_open = false;
    bool played = false; // a game key or command was used

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
        // A box like the one before it is noted as "+".
        prompts.while_open = [this] {
            const bool input = prompts.inputs.size() > inputs_seen;
            inputs_seen = prompts.inputs.size();
            const std::u32string box =
                input ? U"?" + prompts.inputs.back().title
                      : U"[" + prompts.messages.back().title + U"] " + prompts.messages.back().text;
            boxes += box == last_box ? U"+" : U" " + box;
            last_box = box;
        };
        game.start_up();
        files_before = files.files;
        files.leftovers_removed.clear();
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
    void show() override { table_open = true; }
    // The score window's and the add-words dialog's.
    void close() override { table_open = false, notes += U" closed"; }
    void request_one_player_game() override { notes += U" F2!"; }
    void show_text(const std::u32string&, std::size_t) override {}
    void beep() override { notes += U" beep"; }

    // {text} queues an answer for the next input box (Cancel once none is left);
    // <F2> to <F6> are the new-game keys; <+text> types text in the add-words
    // dialog and presses Enter; <0.5> queues a draw; <Ver>, <Aceptar>,
    // <Cancelar>, <Borrar> and <Cerrar> work the score window; <Inicio> starts
    // the game up again, <-name> deletes a file; any other character is typed.
    void play(std::u32string_view script)
    {
        ScoreTableEditor& editor = core.score_table;
        while (!script.empty()) {
            const std::size_t end = script.find(script[0] == U'{' ? U'}' : U'>');
            const std::u32string_view c = script.substr(1, end - 1);
            if (script[0] == U'{')
                prompts.answers.emplace_back(c);
            else if (script[0] != U'<')
                played = true, game.type_character(script[0]);
            else if (c[0] == U'F')
                played = true, game.new_game(std::find_if(modes.begin(), modes.end(), [c](const ModeRules& m) {
                                                 return m.key == c;
                                             })->mode);
            else if (c[0] == U'+')
                dialog.text_changed(std::u32string{c.substr(1)}, 0), dialog.key_pressed(U'\r');
            else if (c[0] == U'-')
                remove(directory.path() / std::string(c.begin() + 1, c.end()));
            else if (c[0] == U'0')
                random.values.push_back(std::stod(std::string(c.begin(), c.end())));
            else
                c == U"Ver"        ? editor.open_for_viewing()
                : c == U"Aceptar"  ? editor.accept()
                : c == U"Cancelar" ? editor.cancel()
                : c == U"Borrar"   ? editor.erase()
                : c == U"Cerrar"   ? editor.closed()
                                   : game.start_up();
            script.remove_prefix(script[0] == U'{' || script[0] == U'<' ? end + 1 : 1);
        }
    }

    void remove(const std::filesystem::path& path) { files.files.erase(path), files_before.erase(path); }

    // The board once a game key or command was used: the slots, the letters
    // right and wrong, the pieces shown, the status bar, the points or "-" when
    // hidden, the score, and "over" once guessing is off. Then the boxes, the
    // notes, the score window while open, the leftovers swept ("~") and the
    // files written, cut after 48 bytes.
    std::u32string seen() const
    {
        const Board& b = shown;
        std::u32string all = played ? U"[" : U"";
        for (std::size_t i = 0; i < b.slots.size(); ++i)
            all += b.slots.shown(i);
        if (played)
            all += U"] " + b.right_letters + U" " + b.wrong_letters + U" " +
                   decimal(std::count(b.pieces.begin(), b.pieces.end(), true)) + U"|" + b.hits_text + U"|" +
                   b.misses_text + U"|" + b.turn_text + U"|" + (b.points_shown ? b.points : U"-") + U"|" +
                   decimal(game.state().score) + (game.state().guessing_on ? U"" : U" over");
        all += boxes + notes;
        for (const std::u32string& cell : table)
            all += table_open ? U" " + cell : U"";
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
