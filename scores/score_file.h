#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "scores/score_table.h"

class CurrentDirectory;
class FileLock;
class FileSystem;

// "puntuaciones.txt" in the current directory: six lines, written in Windows-1252
// with CR LF and read in whatever format its bytes hold (see TextFormat).
class ScoreFile {
public:
    ScoreFile(FileSystem& files, const CurrentDirectory& directory);

    std::filesystem::path path() const;
    bool missing() const;
    // Removes the temporary files a game killed while writing the file left.
    void remove_leftovers();
    // The first n lines (n even, at most 6). A place whose lines are
    // missing, or whose score is not a whole number, reads as "Quiro" / "1000".
    // Never fails and never writes.
    std::vector<std::u32string> read_lines(int n) const;
    // Replaces the file atomically. Characters the file cannot
    // store must have been replaced by the caller. False when it could not be written.
    bool write(const ScoreCells& cells);
    // While it lives no other copy of the game writes the file.
    std::unique_ptr<FileLock> lock();

private:
    FileSystem& m_files;
    const CurrentDirectory& m_directory;
};
