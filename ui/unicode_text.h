#pragma once
#include <QString>
#include <string>
#include <string_view>

// The core's texts hold one char32_t per character; Qt's hold UTF-16.
QString to_qstring(std::u32string_view text);
// Typed text in composed form (NFC), so "o" plus a combining accent is the one letter "ó".
std::u32string typed_text(const QString& text);
// The number of characters (not UTF-16 units) in front of a caret position, and back.
std::size_t characters_before(const QString& text, qsizetype utf16_position);
qsizetype utf16_position(const QString& text, std::size_t characters);
