#pragma once
#include <string>
#include <string_view>

// UTF-8, as word lists made on other systems come. Only the shortest form of
// each character is valid: no surrogates and nothing above U+10FFFF.

// Whether bytes are valid UTF-8 and hold some character beyond ASCII: plain
// ASCII reads the same in any encoding, so it says nothing.
bool utf8_beyond_ascii(std::string_view bytes);
// bytes must be valid UTF-8.
std::u32string decode_utf8(std::string_view bytes);
bool utf8_can_store(char32_t c);
// Every character of text must be storable.
std::string encode_utf8(std::u32string_view text);
