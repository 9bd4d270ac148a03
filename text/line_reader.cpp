#include "text/line_reader.h"

bool LineReader::next(std::string_view& line)
{
    if (m_rest.empty())
        return false;
    const auto end = m_rest.find(m_break);
    if (end == std::string_view::npos) {
        line = m_rest;
        m_rest = {};
        return true;
    }
    line = m_rest.substr(0, end);
    m_rest.remove_prefix(after_line_end(m_rest, end));
    return true;
}

std::size_t after_line_end(std::string_view bytes, std::size_t at)
{
    const bool cr_lf = bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n';
    return at + (cr_lf ? 2 : 1);
}

bool ends_with_line_end(std::string_view bytes, TextFormat format)
{
    return bytes.ends_with(format.line_break) || bytes.ends_with("\r\n");
}

std::string_view line_end(TextFormat format)
{
    return format.line_break == '\n' ? "\n" : "\r\n";
}

bool append_line(std::string& bytes, std::u32string_view text, TextFormat format)
{
    const auto encoded = encode_text(text, format);
    if (!encoded)
        return false;
    bytes += *encoded;
    bytes += line_end(format);
    return true;
}
