#pragma once
#include <string_view>

// A word the word file can hold as one line: every character has a
// Windows-1252 byte and none is a line break.
bool storable_word(std::u32string_view word);
