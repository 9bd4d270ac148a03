#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/game_file.h"

class RandomSource;

struct DrawnWord {
    std::u32string word;         // empty for an empty line, or when there is no word
    std::int64_t word_count = 0; // lines of the file at the draw
    bool file_has_words = false; // some line is not empty
};

// "palabras.txt" in the current directory: one word per line, Windows-1252, CR LF,
// or as a list from another system holds it (see TextFormat).
class WordFile : public GameFile {
public:
    enum class Append { added, refused, failed };

    WordFile(FileSystem& files, const CurrentDirectory& directory, RandomSource& random);

    // Writes the 56 built-in words. False when the file could not be written.
    bool create();
    // One line of the file, each equally likely; a missing or unreadable file draws
    // like an empty one.
    DrawnWord draw();
    // Adds the word typed, composed, as a new last line in the file's own format,
    // ending an unterminated last line first. Refused when the word holds a line
    // break or a character the file cannot store, or would change how the file
    // reads; failed when the file could not be read or written.
    Append append(std::u32string_view typed);

private:
    RandomSource& m_random;
};
