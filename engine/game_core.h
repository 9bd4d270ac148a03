#pragma once
#include "engine/game.h"
#include "engine/score_table_editor.h"
#include "scores/score_file.h"
#include "words/word_file.h"

// The game with its word file, score file and score table, wired together over
// the files, the dice and the views it is given.
struct GameCore {
    GameCore(FileSystem& files, const CurrentDirectory& directory, RandomSource& random, Prompts& prompts,
             ScoreTableView& score_view, DeferredGame& deferred, BoardView& view)
        : words{files, directory, random}, scores{files, directory},
          score_table{scores, prompts, score_view}, game{{words, scores, score_table, prompts, deferred, view}}
    {
    }

    WordFile words;
    ScoreFile scores;
    ScoreTableEditor score_table;
    Game game;
};
