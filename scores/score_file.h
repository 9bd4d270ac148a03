#pragma once
#include <string>
#include <vector>

#include "platform/game_file.h"
#include "scores/score_table.h"

// "puntuaciones.txt" in the current directory: six lines, written in Windows-1252
// with CR LF and read in whatever format its bytes hold (see TextFormat).
class ScoreFile : public GameFile {
public:
    ScoreFile(FileSystem& files, const CurrentDirectory& directory);

    // The first n lines (n even, at most 6). A place whose lines are
    // missing, or whose score is not a whole number, reads as "Quiro" / "1000".
    // Never fails and never writes.
    std::vector<std::u32string> read_lines(int n) const;
    // Replaces the file atomically. Characters the file cannot
    // store must have been replaced by the caller. False when it could not be written.
    bool write(const ScoreCells& cells);
};
