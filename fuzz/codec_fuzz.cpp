// Any bytes read as text and write back unchanged, and split into lines by the line rule.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cp1252.h"
#include "line_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes{reinterpret_cast<const char*>(data), size};
    const std::u32string text = decode_cp1252(bytes);
    if (text.size() != size || encode_cp1252(text) != bytes)
        std::abort();

    LineReader lines{bytes};
    std::string_view line;
    std::size_t at = 0;
    while (lines.next(line)) {
        if (line.data() != bytes.data() + at || line.find('\r') != std::string_view::npos)
            std::abort();
        at += line.size();
        if (at < size && bytes[at] == '\r') {
            ++at;
            if (at < size && bytes[at] == '\n')
                ++at;
        }
    }
    if (at != size)
        std::abort();
    return 0;
}
