#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "text/text_format.h"

// Lines of a data file: its line break byte ends a line, and an LF right after a
// CR is skipped; in a file broken at CR a lone LF belongs to the line's text; an
// unterminated last line still counts.
class LineReader {
public:
    LineReader(std::string_view bytes, TextFormat format) : m_rest(bytes), m_break(format.line_break) {}
    // False at the end of the bytes; otherwise line is the next line, without its end.
    bool next(std::string_view& line);

private:
    std::string_view m_rest;
    char m_break;
};

// Where the next line starts, given the line break byte at `at`.
std::size_t after_line_end(std::string_view bytes, std::size_t at);

// Whether the last line of bytes has its end: the line break byte, or CR LF.
bool ends_with_line_end(std::string_view bytes, TextFormat format);

// How the program ends every line it writes in a file of that format.
std::string_view line_end(TextFormat format);

// Adds text to bytes as one line, encoded and ended as format says. False,
// adding nothing, when text holds a character the file cannot store.
bool append_line(std::string& bytes, std::u32string_view text, TextFormat format);
