// A draw from any word file gives one of its lines whole, in the file's own
// format, or says there is no word. The first eight bytes give r.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "tests/support/memory_file_system.h"
#include "tests/support/scripted_random.h"
#include "text/line_reader.h"
#include "words/word_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 8)
        return 0;
    std::uint64_t bits;
    std::memcpy(&bits, data, 8);
    ScriptedRandom random;
    random.then = static_cast<double>(bits >> 11) / static_cast<double>(1ULL << 53); // [0, 1)
    MemoryFileSystem files;
    FixedDirectory directory;
    WordFile words{files, directory, random};
    const std::string bytes{reinterpret_cast<const char*>(data) + 8, size - 8};
    files.files[words.path()] = bytes;

    std::vector<std::u32string> lines;
    bool any_word = false;
    const TextFormat format = text_format_of(bytes);
    LineReader reader{bytes, format};
    for (std::string_view line; reader.next(line); any_word = any_word || !line.empty())
        lines.push_back(decode_text(line, format));

    const DrawnWord drawn = words.draw();
    if (drawn.word_count != static_cast<std::int64_t>(lines.size()) || drawn.file_has_words != any_word ||
        (lines.empty() ? !drawn.word.empty() : std::find(lines.begin(), lines.end(), drawn.word) == lines.end()))
        std::abort();
    return 0;
}
