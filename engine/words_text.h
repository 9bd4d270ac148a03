#pragma once
#include <string_view>

namespace words_text {
inline constexpr std::u32string_view invalid_characters = U"La palabra contiene caracteres no válidos.";
inline constexpr std::u32string_view append_failed = U"No se ha podido añadir la palabra a palabras.txt.";
inline constexpr std::u32string_view create_failed = U"No se ha podido crear palabras.txt.";
// What a screen reader says once a word is in the file.
inline constexpr std::u32string_view word_added = U"Palabra añadida: ";
} // namespace words_text
