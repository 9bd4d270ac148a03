// One harness for the core; the first byte picks what the rest stands for: 0 a
// word file drawn from, 1 a score file a lost word is checked against, 2 what is
// typed in the add-words dialog.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "tests/support/memory_game.h"
#include "text/composition.h"
#include "text/line_reader.h"
#include "text/text_format.h"
#include "text/utf8.h"

namespace {

void check(bool holds)
{
    if (!holds)
        std::abort();
}

// The lines by the line rule of the bytes' format.
std::vector<std::u32string> lines_of(std::string_view bytes, TextFormat format)
{
    std::vector<std::u32string> lines;
    LineReader reader{bytes, format};
    for (std::string_view line; reader.next(line);)
        lines.push_back(decode_text(line, format));
    return lines;
}

// Any bytes: Windows-1252 writes them back unchanged; taken for UTF-8, they
// decode to storable characters that write back unchanged, and their text, its
// marks joined to their letters, reads the same once written in the file's form
// (marks apart or joined). As a word file after
// eight bytes of r, a draw gives one of its lines whole, or says there is no word.
void check_word_file(std::string_view bytes)
{
    const TextFormat format = text_format_of(bytes);
    check(encode_cp1252(decode_cp1252(bytes)) == bytes);
    if (format.encoding == TextFormat::Encoding::utf8) {
        const std::u32string text = decode_utf8(bytes);
        check(std::all_of(text.begin(), text.end(), utf8_can_store) && encode_utf8(text) == bytes &&
              std::any_of(text.begin(), text.end(), [](char32_t c) { return c >= 0x80; }));
        const std::u32string read = decode_text(bytes, format);
        check(composed(read) == read && decode_text(encode_text(read, format).value(), format) == read);
    }
    if (bytes.size() < 8)
        return;
    MemoryGame g;
    std::uint64_t bits;
    std::memcpy(&bits, bytes.data(), 8);
    g.random.then = static_cast<double>(bits >> 11) / static_cast<double>(1ULL << 53); // [0, 1)
    const std::string file{bytes.substr(8)};
    g.files.files[g.core.words.path()] = file;
    const TextFormat file_format = text_format_of(file);
    const std::vector<std::u32string> lines = lines_of(text_bytes(file, file_format), file_format);
    const DrawnWord drawn = g.core.words.draw();
    check(drawn.word_count == static_cast<std::int64_t>(lines.size()) &&
          drawn.file_has_words == std::any_of(lines.begin(), lines.end(), [](auto& l) { return !l.empty(); }) &&
          (lines.empty() ? drawn.word.empty() : std::find(lines.begin(), lines.end(), drawn.word) != lines.end()));
}

// Any score file reads as three places, and a word lost after the words won
// (the first byte) takes a place only where its points reach it.
void check_record(std::string_view bytes)
{
    if (bytes.empty())
        return;
    MemoryGame g{U"a", std::string{bytes.substr(1)}};
    const std::vector<std::u32string> table = g.core.scores.read_lines(6);
    check(table.size() == 6);
    const int won = std::uint8_t(bytes[0]) % 8;
    int place = 0;
    for (int k = 3; k >= 1; --k) {
        const auto stored = whole_number(table[static_cast<std::size_t>(2 * k - 1)]);
        check(stored.has_value());
        place = won * 1000 >= *stored ? k : place;
    }
    g.play({answer(U"x"), press(U"F2"), type(std::u32string(static_cast<std::size_t>(won), U'a') + U"bcdefghij")});
    const auto at = static_cast<std::size_t>(2 * place - 2);
    check(g.prompts.boxes.ends_with(U"?Record") == (place != 0) &&
          (!place || (g.table[at] == U"x" && whole_number(g.table[at + 1]) == won * 1000)));
}

// Each text typed or pasted in the add-words dialog (UTF-8 where valid, so marks
// can come apart from their letters), then Enter: the word file keeps its lines
// and format, and gains at most one line, of 1 to 20 characters, which reads as
// the text composed, ended as the file ends its lines (CR LF, or LF in a file
// without CR).
void check_add_words(std::string_view bytes)
{
    MemoryGame g;
    std::string& file = g.files.files[g.core.words.path()];
    const std::size_t split = std::min(bytes.find('\xFF'), bytes.size());
    file = bytes.substr(0, split);
    const TextFormat format = text_format_of(file);
    for (bytes.remove_prefix(split); !bytes.empty();) {
        const std::size_t end = std::min(bytes.find('\xFF', 1), bytes.size());
        const std::string before = file;
        const std::string_view typed = bytes.substr(1, end - 1);
        g.dialog.text_changed(utf8_beyond_ascii(typed) ? decode_utf8(typed) : decode_cp1252(typed), 0);
        g.dialog.key_pressed(U'\r');
        bytes.remove_prefix(end);
        // Lines are counted after a byte-order mark, as the game reads them.
        std::vector<std::u32string> lines = lines_of(text_bytes(before, format), format);
        const std::vector<std::u32string> grown = lines_of(text_bytes(file, format), format);
        lines.push_back(grown.empty() ? U"" : grown.back());
        check(g.dialog.text().size() <= 20 && text_format_of(file) == format &&
              (file == before ||
               (file.starts_with(before) && grown == lines && lines.back() == composed(g.dialog.text()) &&
                lines.back().size() <= 20 && lines.back().find_first_of(U"\r\n") == lines.back().npos &&
                file.ends_with(format.line_break == '\r' ? "\r\n" : "\n"))));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view rest{reinterpret_cast<const char*>(data) + 1, size - 1};
    static constexpr void (*checks[])(std::string_view) = {check_word_file, check_record, check_add_words};
    checks[data[0] % 3](rest);
    return 0;
}
