#pragma once
#include <string>
#include <string_view>

// Letters with a mark in the two ways Unicode writes them: as one character, the
// composed form (NFC) a key types, or as the bare letter followed by a combining
// mark, the decomposed form some systems write their files in. Covered are the
// letters of Windows-1252 that have a mark (every Spanish one among them); a
// letter and mark outside them stay as they are.

// The letters whose mark follows them joined to it.
std::u32string composed(std::u32string text);
// The letters with a mark split into the letter and its combining mark.
std::u32string decomposed(std::u32string_view text);
// Whether valid UTF-8 bytes write their first letter with a mark decomposed.
bool utf8_marks_apart(std::string_view bytes);
