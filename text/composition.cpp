#include "text/composition.h"

#include <algorithm>
#include <array>

namespace {

// Each combining mark with the letters that take it and the letters they make.
// Every base letter is ASCII, so a mark joins the byte before it in UTF-8 too.
struct Mark {
    char32_t mark;
    std::u32string_view bases;
    std::u32string_view letters;
};
constexpr std::array<Mark, 8> marks = {{{U'\u0300', U"AEIOUaeiou", U"ÀÈÌÒÙàèìòù"},
                                        {U'\u0301', U"AEIOUYaeiouy", U"ÁÉÍÓÚÝáéíóúý"},
                                        {U'\u0302', U"AEIOUaeiou", U"ÂÊÎÔÛâêîôû"},
                                        {U'\u0303', U"ANOano", U"ÃÑÕãñõ"},
                                        {U'\u0308', U"AEIOUYaeiouy", U"ÄËÏÖÜŸäëïöüÿ"},
                                        {U'\u030A', U"Aa", U"Åå"},
                                        {U'\u030C', U"SZsz", U"ŠŽšž"},
                                        {U'\u0327', U"Cc", U"Çç"}}};

// The letter base and mark make, or 0.
char32_t joined(char32_t base, char32_t mark)
{
    if (mark < U'\u0300' || mark > U'\u0327')
        return 0;
    const auto found = std::find_if(marks.begin(), marks.end(), [mark](const Mark& m) { return m.mark == mark; });
    const auto at = found == marks.end() ? std::u32string_view::npos : found->bases.find(base);
    return at == std::u32string_view::npos ? 0 : found->letters[at];
}

// The mark of a letter that has one, or null.
const Mark* mark_of(char32_t letter)
{
    if (letter < U'À' || letter > U'ž')
        return nullptr;
    const auto found = std::find_if(marks.begin(), marks.end(),
                                    [letter](const Mark& m) { return m.letters.find(letter) != m.letters.npos; });
    return found == marks.end() ? nullptr : &*found;
}

// The letters and marks of the table are two bytes long in UTF-8, from C3 80 (À)
// to CC A7 (the cedilla).
constexpr bool table_lead(unsigned char byte)
{
    return static_cast<unsigned char>(byte - 0xC3) <= 0xCC - 0xC3;
}

constexpr std::size_t block_size = 64;

bool table_lead_in_block(const char* block)
{
    unsigned char found = 0;
    for (std::size_t i = 0; i < block_size; ++i)
        found |= table_lead(static_cast<unsigned char>(block[i]));
    return found != 0;
}

} // namespace

std::u32string composed(std::u32string text)
{
    std::size_t kept = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char32_t letter = kept > 0 ? joined(text[kept - 1], text[at]) : 0;
        if (letter != 0)
            text[kept - 1] = letter;
        else
            text[kept++] = text[at];
    }
    text.resize(kept);
    return text;
}

std::u32string decomposed(std::u32string_view text)
{
    std::u32string apart;
    apart.reserve(text.size());
    for (const char32_t c : text) {
        const Mark* m = mark_of(c);
        if (m == nullptr) {
            apart.push_back(c);
        } else {
            apart.push_back(m->bases[m->letters.find(c)]);
            apart.push_back(m->mark);
        }
    }
    return apart;
}

bool utf8_marks_apart(std::string_view bytes)
{
    for (std::size_t at = 0; at + 1 < bytes.size(); ++at) {
        // Blocks without a lead byte of the table are passed over whole, in
        // vector code: a list in another alphabet is not slowed down.
        if (at % block_size == 0 && at + block_size <= bytes.size() && !table_lead_in_block(bytes.data() + at)) {
            at += block_size - 1;
            continue;
        }
        const auto lead = static_cast<unsigned char>(bytes[at]);
        if (!table_lead(lead))
            continue;
        const char32_t c = char32_t{lead & 0x1Fu} << 6 | (static_cast<unsigned char>(bytes[at + 1]) & 0x3Fu);
        if (mark_of(c) != nullptr)
            return false;
        if (at > 0 && joined(static_cast<unsigned char>(bytes[at - 1]), c) != 0)
            return true;
    }
    return false;
}
