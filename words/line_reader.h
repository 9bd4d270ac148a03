#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Lines of a data file: a CR ends a line and an LF right after it is skipped; a
// lone LF belongs to the line's text; an unterminated last line still counts.
class LineReader {
public:
    explicit LineReader(std::string_view bytes) : m_rest(bytes) {}
    // False at the end of the bytes; otherwise line is the next line, without its end.
    bool next(std::string_view& line);

private:
    std::string_view m_rest;
};

// Whether the last line of bytes has its end: a CR, or a CR and an LF.
bool ends_with_line_end(std::string_view bytes);

// How the program ends every line it writes.
inline constexpr std::string_view line_end = "\r\n";

// Adds text to bytes as one line, in Windows-1252 and ended by CR LF. False,
// adding nothing, when text holds a character the file cannot store.
bool append_line(std::string& bytes, std::u32string_view text);
