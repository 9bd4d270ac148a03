#pragma once
#include <optional>
#include <string>
#include <string_view>

// Windows-1252, the encoding of both data files. Every byte decodes (the five
// bytes without a character map to the C1 control of the same value), so any
// file reads, and an unchanged text encodes back to the same bytes.
std::u32string decode_cp1252(std::string_view bytes);
bool cp1252_can_store(char32_t c);
// Nothing when a character cannot be stored.
std::optional<std::string> encode_cp1252(std::u32string_view text);
