// Runs one of the game's writes on the real disk, for the tests that need a
// process of its own: game_files_tool DIR save|borrar|first-run|add|save-loop.
// Then prints every message box shown as "message: TITLE".
#include <iostream>

#include "engine/add_words.h"
#include "engine/game_core.h"
#include "platform/disk_file_system.h"
#include "platform/random_source.h"
#include "tests/support/memory_file_system.h"
#include "tests/support/scripted_prompts.h"
#include "tests/support/silent_views.h"

int main(int argc, char** argv)
{
    const std::string action = argc == 3 ? argv[2] : "";
    FixedDirectory directory{argc == 3 ? argv[1] : ""};
    DiskFileSystem files;
    ClockRandomSource random;
    ScriptedPrompts prompts;
    prompts.answers = {U"Sol"};
    SilentViews views;
    GameCore core{files, directory, random, prompts, views, views, views};
    AddWords dialog{core.words, prompts, views};
    dialog.text_changed(U"Nueva", 5);
    // save-loop: two tables in turn until the process is killed.
    const ScoreCells tables[2] = {{U"Uno", U"1000", U"Dos", U"2000", U"Tres", U"3000"},
                                  {U"Cuatro", U"4000", U"Cinco", U"5000", U"Seis", U"6000"}};
    for (unsigned long i = 0; action == "save-loop"; ++i)
        core.scores.write(tables[i % 2]);
    if (action == "save")
        core.score_table.insert_record(1, 12000), core.score_table.accept();
    else if (action == "borrar")
        core.score_table.erase();
    else if (action == "first-run")
        core.game.start_up();
    else if (action == "add")
        dialog.add_word();
    else
        return std::cerr << "usage: game_files_tool DIR save|borrar|first-run|add|save-loop\n", 2;
    for (const auto& message : prompts.messages)
        std::cout << "message: " << std::string(message.title.begin(), message.title.end()) << '\n';
}
