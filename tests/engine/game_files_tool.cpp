// Runs one of the game's writes on the real disk, for the tests that need a
// process of its own: game_files_tool DIR save|borrar|first-run|add|save-loop.
// Every message box shown is printed as "message: TITLE".
#include <cstdio>
#include <cstring>
#include <iostream>

#include "engine/game_core.h"
#include "platform/current_directory.h"
#include "platform/disk_file_system.h"
#include "platform/prompts.h"
#include "platform/random_source.h"
#include "tests/support/silent_views.h"
#include "words/add_words.h"

namespace {

class GivenDirectory final : public CurrentDirectory {
public:
    explicit GivenDirectory(std::filesystem::path path) : m_path(std::move(path)) {}
    std::filesystem::path path() const override { return m_path; }

private:
    std::filesystem::path m_path;
};

class PrintedPrompts final : public Prompts {
public:
    void message(std::u32string_view, std::u32string_view title, MessageStyle) override
    {
        std::string ascii;
        for (char32_t c : title)
            ascii += c < 0x80 ? static_cast<char>(c) : '?';
        std::cout << "message: " << ascii << std::endl;
    }
    std::u32string input(std::u32string_view, std::u32string_view, std::u32string_view) override { return U"Sol"; }
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: game_files_tool DIR save|borrar|first-run|add|save-loop\n";
        return 2;
    }
    const std::string action = argv[2];
    GivenDirectory directory{argv[1]};
    DiskFileSystem files;
    ClockRandomSource random;
    PrintedPrompts prompts;
    SilentViews views;
    GameCore core{files, directory, random, prompts, views, views, views};
    ScoreTableEditor& score_table = core.score_table;

    if (action == "save") {
        score_table.insert_record(1, 12000);
        score_table.accept();
    } else if (action == "borrar") {
        score_table.erase();
    } else if (action == "first-run") {
        core.game.start_up();
    } else if (action == "add") {
        AddWords dialog{core.words, prompts, views};
        dialog.text_changed(U"Nueva", 5);
        dialog.add_word();
    } else if (action == "save-loop") {
        // Two tables in turn until the process is killed.
        const ScoreCells tables[2] = {{U"Uno", U"1000", U"Dos", U"2000", U"Tres", U"3000"},
                                      {U"Cuatro", U"4000", U"Cinco", U"5000", U"Seis", U"6000"}};
        for (unsigned long i = 0;; ++i)
            core.scores.write(tables[i % 2]);
    } else {
        std::cerr << "unknown action " << action << '\n';
        return 2;
    }
    return 0;
}
