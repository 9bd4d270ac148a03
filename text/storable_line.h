#pragma once
#include <string>
#include <string_view>

#include "text/text_format.h"

// A character a file of that format can hold inside a line: its encoding has
// the character and it is no line break.
bool storable_in_line(char32_t c, TextFormat format);
// Whether such a file can hold text as one line.
bool storable_line(std::u32string_view text, TextFormat format);
// Text made fit for one such line: line breaks become blanks and any other
// character the encoding lacks becomes "?".
std::u32string as_storable_line(std::u32string text, TextFormat format);
