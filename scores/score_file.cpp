#include "scores/score_file.h"

#include <algorithm>

#include "text/decimal.h"
#include "text/line_reader.h"
#include "text/text_format.h"

ScoreFile::ScoreFile(FileSystem& files, const CurrentDirectory& directory)
    : GameFile(files, directory, "puntuaciones.txt")
{
}

// A place the file does not hold whole, or whose score is no number, reads as the
// default place, so the record check always has numbers to compare with.
std::vector<std::u32string> ScoreFile::read_lines(int n) const
{
    const auto wanted = static_cast<std::size_t>(std::clamp(n, 0, 6));
    std::string bytes;
    if (read(bytes) != FileSystem::Read::ok)
        bytes.clear();
    const auto format = text_format_of(bytes);
    LineReader reader(text_bytes(bytes, format), format);
    std::vector<std::u32string> lines;
    std::string_view line;
    while (lines.size() < wanted && reader.next(line))
        lines.push_back(decode_text(line, format));

    const auto defaults = default_score_table();
    lines.resize(wanted);
    for (std::size_t score = 1; score < wanted; score += 2) {
        if (!whole_number(lines[score])) {
            lines[score - 1] = defaults[score - 1];
            lines[score] = defaults[score];
        }
    }
    return lines;
}

bool ScoreFile::write(const ScoreCells& cells)
{
    std::string bytes;
    for (const auto& cell : cells) {
        if (!append_line(bytes, cell, new_file_format))
            return false;
    }
    return replace(bytes);
}
