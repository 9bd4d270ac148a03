#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "text/text_format.h"

// The lines of a file's bytes by number, by the line rule of LineReader. One
// pass counts them and notes how many lines end before every 15 KB, so
// finding a line afterwards reads at most 15 KB. The bytes must outlive it.
class LineIndex {
public:
    LineIndex(std::string_view bytes, TextFormat format);

    std::int64_t count() const { return m_count; }
    // Line k, 1 to count(), without its end.
    std::string_view line(std::int64_t k) const;

private:
    std::string_view m_bytes;
    TextFormat m_format;
    std::vector<std::int64_t> m_breaks_before_stride;
    std::int64_t m_count = 0;
};
