#include "text/decimal.h"

#include <limits>
#include <string>

namespace {

bool blank(char32_t c)
{
    return c == U' ' || c == U'\t';
}

std::u32string_view trimmed(std::u32string_view text)
{
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::u32string decimal(std::int64_t value)
{
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

std::optional<std::int64_t> whole_number(std::u32string_view text)
{
    text = trimmed(text);
    const bool negative = text.starts_with(U'-');
    if (negative || text.starts_with(U'+'))
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    // Counted towards the sign, so the most negative value fits too.
    constexpr auto limit = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    for (const char32_t c : text) {
        if (c < U'0' || c > U'9')
            return std::nullopt;
        const auto digit = static_cast<std::int64_t>(c - U'0');
        value = value < (limit + digit) / 10 ? limit : value * 10 - digit;
    }
    if (negative)
        return value;
    return value == limit ? std::numeric_limits<std::int64_t>::max() : -value;
}
