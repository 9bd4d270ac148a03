#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

class CurrentDirectory;
class FileSystem;
class RandomSource;

struct DrawnWord {
    std::u32string word;         // empty for an empty line, or when there is no word
    std::int64_t word_count = 0; // lines of the file at the draw
    bool file_has_words = false; // some line is not empty
};

// "palabras.txt" in the current directory: one word per line, Windows-1252, CR LF,
// or as a list from another system holds it (see TextFormat).
class WordFile {
public:
    enum class Append { added, refused, failed };

    WordFile(FileSystem& files, const CurrentDirectory& directory, RandomSource& random);

    std::filesystem::path path() const;
    bool missing() const;
    // Removes the temporary files a game killed while writing the file left.
    void remove_leftovers();
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
    FileSystem& m_files;
    const CurrentDirectory& m_directory;
    RandomSource& m_random;
};
