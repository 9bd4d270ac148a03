#include "text/cp1252.h"

#include <algorithm>
#include <array>

namespace {

// The characters of the bytes 0x80 to 0x9F; the five bytes Windows-1252 leaves
// empty keep the C1 control of their own value.
constexpr std::array<char32_t, 32> high_controls = {
    U'\u20AC', U'\u0081', U'\u201A', U'\u0192', U'\u201E', U'\u2026', U'\u2020', U'\u2021',
    U'\u02C6', U'\u2030', U'\u0160', U'\u2039', U'\u0152', U'\u008D', U'\u017D', U'\u008F',
    U'\u0090', U'\u2018', U'\u2019', U'\u201C', U'\u201D', U'\u2022', U'\u2013', U'\u2014',
    U'\u02DC', U'\u2122', U'\u0161', U'\u203A', U'\u0153', U'\u009D', U'\u017E', U'\u0178'};

constexpr bool same_as_latin1(char32_t c)
{
    return c < 0x80 || (c >= 0xA0 && c <= 0xFF);
}

// The byte of c, or a negative number when Windows-1252 has no byte for it.
int byte_of(char32_t c)
{
    if (same_as_latin1(c))
        return static_cast<int>(c);
    const auto found = std::find(high_controls.begin(), high_controls.end(), c);
    if (found == high_controls.end())
        return -1;
    return 0x80 + static_cast<int>(found - high_controls.begin());
}

} // namespace

std::u32string decode_cp1252(std::string_view bytes)
{
    std::u32string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        text.push_back(value >= 0x80 && value < 0xA0 ? high_controls[value - 0x80] : char32_t{value});
    }
    return text;
}

bool cp1252_can_store(char32_t c)
{
    return byte_of(c) >= 0;
}

std::optional<std::string> encode_cp1252(std::u32string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (const char32_t c : text) {
        const int byte = byte_of(c);
        if (byte < 0)
            return std::nullopt;
        bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}
