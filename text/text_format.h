#pragma once
#include <optional>
#include <string>
#include <string_view>

// How a data file's bytes make text, found in the bytes at every read. The
// program writes Windows-1252 with CR LF line ends; a list made on another
// system is read as UTF-8 when it is valid UTF-8 beyond ASCII, and ends its
// lines at LF when it holds LFs but no CR. A valid UTF-8 file may start with a
// byte-order mark (Windows Notepad writes one), which is no part of its text.
// Letters with a mark read composed; a UTF-8 file whose first such letter is
// decomposed has its new text written decomposed too.
struct TextFormat {
    enum class Encoding { windows_1252, utf8 };

    Encoding encoding = Encoding::windows_1252;
    // The byte that ends a line: CR, where an LF right behind it belongs to the
    // line end and a lone LF to the text, or LF.
    char line_break = '\r';
    bool byte_order_mark = false;
    bool decomposed = false;

    bool operator==(const TextFormat&) const = default;
};

// How the program writes a file it starts.
inline constexpr TextFormat new_file_format{};

TextFormat text_format_of(std::string_view bytes);
// The bytes that hold the text: all but the byte-order mark.
std::string_view text_bytes(std::string_view bytes, TextFormat format);

std::u32string decode_text(std::string_view bytes, TextFormat format);
bool can_store(char32_t c, TextFormat format);
// Nothing when a character cannot be stored.
std::optional<std::string> encode_text(std::u32string_view text, TextFormat format);
