#include "words/line_index.h"

#include <algorithm>

#include "text/line_reader.h"

namespace {

// Line breaks are counted in blocks of a fixed size, which the compiler turns
// into vector code; a byte-wide sum cannot overflow within 240 bytes.
constexpr std::size_t block_size = 240;
constexpr std::size_t stride_size = 64 * block_size;

unsigned breaks_in_block(const char* block, char line_break)
{
    unsigned char breaks = 0;
    for (std::size_t i = 0; i < block_size; ++i)
        breaks += block[i] == line_break;
    return breaks;
}

std::int64_t breaks_in(std::string_view bytes, char line_break)
{
    std::int64_t breaks = 0;
    std::size_t offset = 0;
    for (; bytes.size() - offset >= block_size; offset += block_size)
        breaks += breaks_in_block(bytes.data() + offset, line_break);
    for (; offset < bytes.size(); ++offset)
        breaks += bytes[offset] == line_break;
    return breaks;
}

// Where the line after the wanted-th line break from offset on starts; offset
// itself when none is wanted.
std::size_t after_breaks(std::string_view bytes, std::size_t offset, std::int64_t wanted, char line_break)
{
    if (wanted == 0)
        return offset;
    for (; bytes.size() - offset >= block_size; offset += block_size) {
        const auto breaks = breaks_in_block(bytes.data() + offset, line_break);
        if (breaks >= wanted)
            break;
        wanted -= breaks;
    }
    for (; offset < bytes.size(); ++offset) {
        if (bytes[offset] == line_break && --wanted == 0)
            return after_line_end(bytes, offset);
    }
    return offset;
}

} // namespace

LineIndex::LineIndex(std::string_view bytes, TextFormat format) : m_bytes(bytes), m_format(format)
{
    std::int64_t breaks = 0;
    for (std::size_t offset = 0; offset < bytes.size(); offset += stride_size) {
        m_breaks_before_stride.push_back(breaks);
        breaks += breaks_in(bytes.substr(offset, stride_size), format.line_break);
    }
    // Bytes after the last line end make one more line.
    m_count = breaks + (bytes.empty() || ends_with_line_end(bytes, format) ? 0 : 1);
}

std::string_view LineIndex::line(std::int64_t k) const
{
    // Line k starts after the (k-1)-th line break and the LF right behind a CR. That
    // break lies in the last stride with fewer breaks before it; line 1 starts the file.
    const std::int64_t breaks_before_line = k - 1;
    const auto later =
        std::lower_bound(m_breaks_before_stride.begin(), m_breaks_before_stride.end(), breaks_before_line);
    const auto stride = later == m_breaks_before_stride.begin()
                            ? std::size_t{0}
                            : static_cast<std::size_t>(later - m_breaks_before_stride.begin()) - 1;
    const auto start = after_breaks(m_bytes, stride * stride_size, breaks_before_line - m_breaks_before_stride[stride],
                                    m_format.line_break);
    LineReader rest(m_bytes.substr(start), m_format);
    std::string_view found;
    rest.next(found);
    return found;
}
