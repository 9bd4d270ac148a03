#pragma once
#include "game.h"
#include "score_file.h"
#include "score_window.h"
#include "word_file.h"

// The game with its word file, score file and score window, wired together over
// the files, the dice and the views it is given.
struct GameCore {
    GameCore(FileSystem& files, const CurrentDirectory& directory, RandomSource& random, Prompts& prompts,
             ScoreWindowView& score_view, DeferredGame& deferred, BoardView& view)
        : words{files, directory, random},
          scores{files, directory},
          score_window{scores, prompts, score_view},
          game{{words, scores, score_window, prompts, deferred, view}}
    {
    }

    WordFile words;
    ScoreFile scores;
    ScoreWindow score_window;
    Game game;
};
