#include "text/text_format.h"

#include <algorithm>

#include "text/composition.h"
#include "text/cp1252.h"
#include "text/utf8.h"

namespace {
constexpr std::string_view utf8_byte_order_mark = "\xEF\xBB\xBF";
} // namespace

TextFormat text_format_of(std::string_view bytes)
{
    TextFormat format;
    if (utf8_beyond_ascii(bytes)) {
        format.encoding = TextFormat::Encoding::utf8;
        format.byte_order_mark = bytes.starts_with(utf8_byte_order_mark);
        format.decomposed = utf8_marks_apart(bytes);
    }
    // A file with no line break at all, like an empty one, keeps the program's own line end.
    if (bytes.find('\r') == std::string_view::npos && bytes.find('\n') != std::string_view::npos)
        format.line_break = '\n';
    return format;
}

std::string_view text_bytes(std::string_view bytes, TextFormat format)
{
    return format.byte_order_mark ? bytes.substr(utf8_byte_order_mark.size()) : bytes;
}

std::u32string decode_text(std::string_view bytes, TextFormat format)
{
    return format.encoding == TextFormat::Encoding::utf8 ? composed(decode_utf8(bytes)) : decode_cp1252(bytes);
}

bool can_store(char32_t c, TextFormat format)
{
    return format.encoding == TextFormat::Encoding::utf8 ? utf8_can_store(c) : cp1252_can_store(c);
}

std::optional<std::string> encode_text(std::u32string_view text, TextFormat format)
{
    if (format.encoding == TextFormat::Encoding::windows_1252)
        return encode_cp1252(text);
    if (!std::all_of(text.begin(), text.end(), utf8_can_store))
        return std::nullopt;
    return encode_utf8(format.decomposed ? decomposed(text) : text);
}
