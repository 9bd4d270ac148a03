#include "words/word_file.h"

#include <cmath>

#include "platform/random_source.h"
#include "text/composition.h"
#include "text/line_reader.h"
#include "text/storable_line.h"
#include "text/text_format.h"
#include "words/builtin_words.h"
#include "words/line_index.h"

namespace {

// Line k (1-based) of the file, each line as likely as any other: k = floor(count * r)
// in single precision, with k = 0 and k = count standing for the last line. Beyond
// 2^24 lines a float cannot tell neighbouring line numbers apart, so there the
// product is taken in double precision.
std::int64_t line_number(std::int64_t count, double r)
{
    constexpr std::int64_t float_exact = std::int64_t{1} << 24;
    const auto k = count <= float_exact
                       ? static_cast<std::int64_t>(std::floor(static_cast<float>(count) * static_cast<float>(r)))
                       : static_cast<std::int64_t>(std::floor(static_cast<double>(count) * r));
    return k <= 0 || k >= count ? count : k;
}

bool has_non_empty_line(std::string_view bytes, TextFormat format)
{
    LineReader lines(bytes, format);
    std::string_view line;
    while (lines.next(line)) {
        if (!line.empty())
            return true;
    }
    return false;
}

} // namespace

WordFile::WordFile(FileSystem& files, const CurrentDirectory& directory, RandomSource& random)
    : GameFile(files, directory, "palabras.txt"), m_random(random)
{
}

bool WordFile::create()
{
    std::string bytes;
    for (const auto word : builtin_words)
        append_line(bytes, word, new_file_format);
    return replace(bytes);
}

DrawnWord WordFile::draw()
{
    DrawnWord drawn;
    std::string bytes;
    if (read(bytes) != FileSystem::Read::ok)
        return drawn;
    const auto format = text_format_of(bytes);
    const auto text = text_bytes(bytes, format);
    const LineIndex lines(text, format);
    drawn.word_count = lines.count();
    if (drawn.word_count == 0)
        return drawn;
    drawn.file_has_words = has_non_empty_line(text, format);
    drawn.word = decode_text(lines.line(line_number(drawn.word_count, m_random.next())), format);
    return drawn;
}

WordFile::Append WordFile::append(std::u32string_view typed)
{
    // As it will read: a mark typed apart from its letter is no character of its own.
    const std::u32string word = composed(std::u32string{typed});
    // Another copy adding a word between this read and this write would lose it.
    const auto held = lock();
    std::string bytes;
    if (read(bytes) == FileSystem::Read::failed)
        return Append::failed;
    const auto format = text_format_of(bytes);
    if (!storable_line(word, format))
        return Append::refused;
    // Without this the new word would join the last word of a file written by hand.
    const auto text = text_bytes(bytes, format);
    if (!text.empty() && !ends_with_line_end(text, format))
        bytes += line_end(format);
    append_line(bytes, word, format);
    // Bytes that happen to spell UTF-8, added to a plain ASCII file, would make
    // every later read take the file for UTF-8.
    if (text_format_of(bytes) != format)
        return Append::refused;
    return replace(bytes) ? Append::added : Append::failed;
}
