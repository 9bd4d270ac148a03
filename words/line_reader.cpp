#include "line_reader.h"

#include <limits>

namespace {

// CRs are counted in blocks of a fixed size, which the compiler turns into
// vector code: a draw counts every line of files of a million lines. A
// byte-wide sum cannot overflow within 240 bytes.
constexpr std::size_t block_size = 240;

unsigned crs_in_block(const char* block) {
    unsigned char crs = 0;
    for (std::size_t i = 0; i < block_size; ++i)
        crs += block[i] == '\r';
    return crs;
}

// Passes whole blocks while they hold fewer CRs than wanted, taking theirs off
// wanted; gives the offset reached.
std::size_t skip_blocks(std::string_view bytes, std::int64_t& wanted) {
    std::size_t offset = 0;
    for (; bytes.size() - offset >= block_size; offset += block_size) {
        const auto crs = crs_in_block(bytes.data() + offset);
        if (crs >= wanted)
            break;
        wanted -= crs;
    }
    return offset;
}

// The offset of the line that follows the wanted-th CR from offset on.
std::size_t after_crs(std::string_view bytes, std::size_t offset, std::int64_t wanted) {
    for (; wanted > 0 && offset < bytes.size(); ++offset) {
        if (bytes[offset] == '\r' && --wanted == 0 && offset + 1 < bytes.size() && bytes[offset + 1] == '\n')
            ++offset;
    }
    return offset;
}

} // namespace

bool LineReader::next(std::string_view& line) {
    if (m_rest.empty())
        return false;
    const auto end = m_rest.find('\r');
    if (end == std::string_view::npos) {
        line = m_rest;
        m_rest = {};
        return true;
    }
    line = m_rest.substr(0, end);
    auto skip = end + 1;
    if (skip < m_rest.size() && m_rest[skip] == '\n')
        ++skip;
    m_rest.remove_prefix(skip);
    return true;
}

bool ends_with_line_end(std::string_view bytes) { return bytes.ends_with('\r') || bytes.ends_with("\r\n"); }

std::int64_t count_lines(std::string_view bytes) {
    constexpr auto all = std::numeric_limits<std::int64_t>::max();
    std::int64_t wanted = all;
    auto offset = skip_blocks(bytes, wanted);
    std::int64_t crs = all - wanted;
    for (; offset < bytes.size(); ++offset)
        crs += bytes[offset] == '\r';
    // Bytes after the last line end make one more line.
    return crs + (bytes.empty() || ends_with_line_end(bytes) ? 0 : 1);
}

std::string_view line_at(std::string_view bytes, std::int64_t k) {
    std::int64_t wanted = k - 1;
    const auto offset = skip_blocks(bytes, wanted);
    LineReader rest(bytes.substr(after_crs(bytes, offset, wanted)));
    std::string_view line;
    rest.next(line);
    return line;
}
