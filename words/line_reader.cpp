#include "line_reader.h"

#include "cp1252.h"

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

bool append_line(std::string& bytes, std::u32string_view text) {
    const auto encoded = encode_cp1252(text);
    if (!encoded)
        return false;
    bytes += *encoded;
    bytes += line_end;
    return true;
}
