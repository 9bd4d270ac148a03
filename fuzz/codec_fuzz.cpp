// Any bytes read as text. Windows-1252 writes them back unchanged; bytes taken
// for UTF-8 decode to storable characters that write back unchanged, and any
// text beyond ASCII written in UTF-8 is taken for it; and the bytes split into
// lines by the line rule of their format.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "text/cp1252.h"
#include "text/line_reader.h"
#include "text/text_format.h"
#include "text/utf8.h"

namespace {

void check_windows_1252(std::string_view bytes)
{
    const std::u32string text = decode_cp1252(bytes);
    if (text.size() != bytes.size() || encode_cp1252(text) != bytes)
        std::abort();
}

bool beyond_ascii(std::u32string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char32_t c) { return c >= 0x80; });
}

void check_utf8(std::string_view bytes, TextFormat format)
{
    if (format.encoding != TextFormat::Encoding::utf8)
        return;
    const std::u32string text = decode_utf8(bytes);
    if (!std::all_of(text.begin(), text.end(), utf8_can_store) || !beyond_ascii(text) || encode_utf8(text) != bytes)
        std::abort();
}

// The bytes three at a time as characters of the whole Unicode range.
void check_text_in_utf8(std::string_view bytes)
{
    std::u32string text;
    for (std::size_t at = 0; at + 3 <= bytes.size(); at += 3) {
        const auto c = static_cast<char32_t>((static_cast<std::uint8_t>(bytes[at]) << 16 |
                                              static_cast<std::uint8_t>(bytes[at + 1]) << 8 |
                                              static_cast<std::uint8_t>(bytes[at + 2])) %
                                             0x110000);
        text.push_back(utf8_can_store(c) ? c : U'\uFFFD');
    }
    const std::string written = encode_utf8(text);
    const bool taken_for_utf8 = text_format_of(written).encoding == TextFormat::Encoding::utf8;
    if (taken_for_utf8 != beyond_ascii(text) || decode_utf8(written) != text)
        std::abort();
}

void check_lines(std::string_view bytes, TextFormat format)
{
    if (format.line_break == '\n' && bytes.find('\r') != std::string_view::npos)
        std::abort();
    LineReader lines{bytes, format};
    std::string_view line;
    std::size_t at = 0;
    while (lines.next(line)) {
        if (line.data() != bytes.data() + at || line.find(format.line_break) != std::string_view::npos)
            std::abort();
        at += line.size();
        if (at < bytes.size() && bytes[at] == format.line_break) {
            ++at;
            if (format.line_break == '\r' && at < bytes.size() && bytes[at] == '\n')
                ++at;
        }
    }
    if (at != bytes.size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes{reinterpret_cast<const char*>(data), size};
    const TextFormat format = text_format_of(bytes);
    check_windows_1252(bytes);
    check_utf8(bytes, format);
    check_text_in_utf8(bytes);
    check_lines(bytes, format);
    return 0;
}
