#pragma once
#include <string_view>

#include "text/text_format.h"

// A word a file of that format can hold as one line: the encoding has every
// character and none is a line break.
bool storable_word(std::u32string_view word, TextFormat format);
