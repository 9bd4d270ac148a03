// Whatever is typed, pasted or clicked in the add-words dialog, the word file only
// grows by whole, terminated, storable lines of at most 20 characters, in the
// format it already had.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/support/memory_file_system.h"
#include "tests/support/scripted_prompts.h"
#include "tests/support/scripted_random.h"
#include "tests/support/silent_views.h"
#include "text/cp1252.h"
#include "text/line_reader.h"
#include "text/text_format.h"
#include "words/add_words.h"
#include "words/word_file.h"

namespace {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool empty() const { return m_at >= m_size; }
    std::uint8_t byte() { return empty() ? 0 : m_data[m_at++]; }
    // Mostly storable characters, now and then any other one.
    char32_t character()
    {
        const std::uint8_t high = byte();
        const std::uint8_t low = byte();
        if (high < 0xE0)
            return decode_cp1252(std::string(1, static_cast<char>(low)))[0];
        const char32_t c = static_cast<char32_t>((high & 0x1F) << 16 | low << 8 | byte());
        return c >= 0xD800 && c < 0xE000 ? U'?' : c;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

// The part after the old bytes is one line of 1 to 20 characters and its end,
// written as the file was: CR LF, or LF in a file without CR.
bool grew_by_one_line(const std::string& before, const std::string& after)
{
    if (after == before)
        return true;
    const TextFormat format = text_format_of(before);
    if (after.compare(0, before.size(), before) != 0 || text_format_of(after) != format)
        return false;
    const std::string end = format.line_break == '\r' ? "\r\n" : "\n";
    std::string added = after.substr(before.size());
    const bool unterminated = !before.empty() && before.back() != format.line_break && !before.ends_with("\r\n");
    if (unterminated && !added.starts_with(end))
        return false;
    added.erase(0, unterminated ? end.size() : 0);
    if (!added.ends_with(end))
        return false;
    const std::string_view word{added.data(), added.size() - end.size()};
    const auto characters = decode_text(word, format).size();
    return characters >= 1 && characters <= 20 && word.find_first_of("\r\n") == std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input input{data, size};
    MemoryFileSystem files;
    FixedDirectory directory;
    ScriptedRandom random;
    ScriptedPrompts prompts;
    SilentViews view;
    WordFile words{files, directory, random};
    std::string file;
    for (std::uint8_t n = input.byte() % 16; n > 0; --n)
        file += static_cast<char>(input.byte());
    files.files[words.path()] = file;

    AddWords dialog{words, prompts, view};
    while (!input.empty()) {
        switch (input.byte() % 4) {
        case 0: {
            std::u32string text;
            for (std::uint8_t n = input.byte() % 32; n > 0; --n)
                text += input.character();
            dialog.text_changed(text, input.byte() % (text.size() + 1));
            break;
        }
        case 1:
            dialog.key_pressed(input.character());
            break;
        case 2:
            dialog.add_word();
            break;
        default:
            dialog.stop();
            break;
        }
        if (dialog.text().size() > 20 || !grew_by_one_line(file, files.files[words.path()]))
            std::abort();
        file = files.files[words.path()];
    }
    return 0;
}
