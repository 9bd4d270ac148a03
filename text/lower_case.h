#pragma once
#include <string>
#include <string_view>

// The text in small letters, for a speech synthesizer, which spells out a word
// of mixed capitals letter by letter. Letters beyond Latin-1 stay as they are.
std::u32string lower_case(std::u32string_view text);
