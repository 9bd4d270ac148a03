#pragma once
#include <cstddef>
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
