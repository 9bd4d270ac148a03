#pragma once
#include <string_view>

// What a screen reader says of the game, beside the texts it shows.
namespace spoken_text {
inline constexpr std::u32string_view hit = U"Acierto: ";
inline constexpr std::u32string_view miss = U"Fallo: ";
inline constexpr std::u32string_view tries_left = U"Quedan ";
inline constexpr std::u32string_view tries = U" intentos.";
inline constexpr std::u32string_view last_try = U"Queda 1 intento.";
inline constexpr std::u32string_view lost = U"Has perdido.";
inline constexpr std::u32string_view tried_before = U" ya está probada.";
inline constexpr std::u32string_view no_letter = U" no es una letra.";
inline constexpr std::u32string_view turn = U"Turno de ";
inline constexpr std::u32string_view no_letters = U"ninguna.";
inline constexpr std::u32string_view new_word = U"Palabra nueva de ";
inline constexpr std::u32string_view word = U"Palabra de ";
inline constexpr std::u32string_view letters = U" letras";
inline constexpr std::u32string_view one_letter = U" letra";
inline constexpr std::u32string_view more = U", y ";
inline constexpr std::u32string_view more_end = U" más";
inline constexpr std::u32string_view blank_slot = U"guion";
inline constexpr std::u32string_view space = U"espacio";
inline constexpr std::u32string_view enter = U"Intro";
inline constexpr std::u32string_view backspace = U"Retroceso";
inline constexpr std::u32string_view escape = U"Escape";
inline constexpr std::u32string_view control = U"Control+";
inline constexpr std::u32string_view how_to_start = U"Pulsa F2 para jugar solo, o de F3 a F6 para jugar con otros.";
inline constexpr std::u32string_view no_word = U"Ninguna palabra en juego.";
// The titles and texts of the boxes and the window in plain capitals, which a
// speech synthesizer says as words rather than spelling them.
inline constexpr std::u32string_view main_window = U"Cuerdalokkk versión 1.0";
inline constexpr std::u32string_view program_title = U"Cuerdalokkk";
inline constexpr std::u32string_view about_title = U"Acerca de Cuerdalokkk";
inline constexpr std::u32string_view lost_title = U"Perdedor";
inline constexpr std::u32string_view lost_box = U"Has perdido... La palabra era: ";
inline constexpr std::u32string_view winner_title = U"¡¡¡Ganador!!!";
} // namespace spoken_text
