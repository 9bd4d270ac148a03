#include "text/utf8.h"

namespace {

using Byte = unsigned char;

// Bytes are checked in blocks without a branch per byte, which the compiler
// turns into vector code: accented letters come every few bytes in a word list,
// too often to guess where.
constexpr std::size_t block_size = 64;

// Nonzero when b0 breaks UTF-8 after b3 b2 b1: it must be a continuation byte
// exactly when one of them leads a sequence that long, a lead byte must start a
// shortest form no higher than U+10FFFF, and after E0, ED, F0 and F4 the range
// is narrower (no overlong forms, no surrogates).
constexpr Byte fault(Byte b3, Byte b2, Byte b1, Byte b0)
{
    const bool asked = (b1 >= 0xC0) | (b2 >= 0xE0) | (b3 >= 0xF0);
    const bool continues = (b0 & 0xC0) == 0x80;
    const bool bad_lead = ((b0 & 0xFE) == 0xC0) | (b0 >= 0xF5);
    const bool bad_second = ((b1 == 0xE0) & (b0 < 0xA0)) | ((b1 == 0xED) & (b0 > 0x9F)) | ((b1 == 0xF0) & (b0 < 0x90)) |
                            ((b1 == 0xF4) & (b0 > 0x8F));
    return (asked != continues) | bad_lead | bad_second;
}

} // namespace

bool utf8_beyond_ascii(std::string_view bytes)
{
    const auto* p = reinterpret_cast<const Byte*>(bytes.data());
    const std::size_t size = bytes.size();
    Byte faults = 0;
    Byte seen = 0;
    // Before and after the bytes stands ASCII, so a sequence cut short at the end is a fault.
    const auto byte = [p, size](std::size_t at, std::size_t back) -> Byte {
        return at >= back && at - back < size ? p[at - back] : 0;
    };
    const auto check = [&](std::size_t at) {
        faults |= fault(byte(at, 3), byte(at, 2), byte(at, 1), byte(at, 0));
        seen |= byte(at, 0);
    };
    for (std::size_t at = 0; at < 3; ++at)
        check(at);
    std::size_t at = 3;
    for (; at + block_size <= size; at += block_size) {
        Byte block_seen = 0;
        for (std::size_t i = 0; i < block_size; ++i)
            block_seen |= p[at + i];
        if (((block_seen | p[at - 1] | p[at - 2] | p[at - 3]) & 0x80) == 0)
            continue;
        seen |= block_seen;
        Byte block_faults = 0;
        for (std::size_t i = 0; i < block_size; ++i)
            block_faults |= fault(p[at + i - 3], p[at + i - 2], p[at + i - 1], p[at + i]);
        if (block_faults != 0)
            return false;
    }
    for (; at < size + 3; ++at)
        check(at);
    return faults == 0 && (seen & 0x80) != 0;
}

std::u32string decode_utf8(std::string_view bytes)
{
    std::u32string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        const auto lead = static_cast<Byte>(bytes[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t i = 1; i < length; ++i)
            c = c << 6 | (static_cast<Byte>(bytes[at + i]) & 0x3F);
        text.push_back(c);
        at += length;
    }
    return text;
}

bool utf8_can_store(char32_t c)
{
    return c < 0xD800 || (c > 0xDFFF && c <= 0x10FFFF);
}

std::string encode_utf8(std::u32string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    const auto put = [&bytes](char32_t value) { bytes.push_back(static_cast<char>(value)); };
    for (const char32_t c : text) {
        if (c < 0x80) {
            put(c);
        } else if (c < 0x800) {
            put(0xC0 | c >> 6);
            put(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            put(0xE0 | c >> 12);
            put(0x80 | (c >> 6 & 0x3F));
            put(0x80 | (c & 0x3F));
        } else {
            put(0xF0 | c >> 18);
            put(0x80 | (c >> 12 & 0x3F));
            put(0x80 | (c >> 6 & 0x3F));
            put(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}
