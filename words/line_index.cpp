#include "line_index.h"

#include <algorithm>

#include "line_reader.h"

namespace {

// CRs are counted in blocks of a fixed size, which the compiler turns into
// vector code; a byte-wide sum cannot overflow within 240 bytes.
constexpr std::size_t block_size = 240;
constexpr std::size_t stride_size = 64 * block_size;

unsigned crs_in_block(const char* block) {
    unsigned char crs = 0;
    for (std::size_t i = 0; i < block_size; ++i)
        crs += block[i] == '\r';
    return crs;
}

std::int64_t crs_in(std::string_view bytes) {
    std::int64_t crs = 0;
    std::size_t offset = 0;
    for (; bytes.size() - offset >= block_size; offset += block_size)
        crs += crs_in_block(bytes.data() + offset);
    for (; offset < bytes.size(); ++offset)
        crs += bytes[offset] == '\r';
    return crs;
}

// The offset of the line that follows the wanted-th CR from offset on.
std::size_t after_crs(std::string_view bytes, std::size_t offset, std::int64_t wanted) {
    for (; bytes.size() - offset >= block_size; offset += block_size) {
        const auto crs = crs_in_block(bytes.data() + offset);
        if (crs >= wanted)
            break;
        wanted -= crs;
    }
    for (; wanted > 0 && offset < bytes.size(); ++offset) {
        if (bytes[offset] == '\r' && --wanted == 0 && offset + 1 < bytes.size() && bytes[offset + 1] == '\n')
            ++offset;
    }
    return offset;
}

} // namespace

LineIndex::LineIndex(std::string_view bytes) : m_bytes(bytes) {
    std::int64_t crs = 0;
    for (std::size_t offset = 0; offset < bytes.size(); offset += stride_size) {
        m_crs_before_stride.push_back(crs);
        crs += crs_in(bytes.substr(offset, stride_size));
    }
    // Bytes after the last line end make one more line.
    m_count = crs + (bytes.empty() || ends_with_line_end(bytes) ? 0 : 1);
}

std::string_view LineIndex::line(std::int64_t k) const {
    // Line k starts after the (k-1)-th CR and the LF right behind it, which lie in
    // the last stride with fewer CRs before it; line 1 starts the file.
    const std::int64_t crs_before_line = k - 1;
    const auto later =
        std::lower_bound(m_crs_before_stride.begin(), m_crs_before_stride.end(), crs_before_line);
    const auto stride = later == m_crs_before_stride.begin()
                            ? std::size_t{0}
                            : static_cast<std::size_t>(later - m_crs_before_stride.begin()) - 1;
    const auto start =
        after_crs(m_bytes, stride * stride_size, crs_before_line - m_crs_before_stride[stride]);
    LineReader rest(m_bytes.substr(start));
    std::string_view found;
    rest.next(found);
    return found;
}
