#pragma once
#include <string>
#include <string_view>

#include "text/decimal.h"

namespace game_text {
inline constexpr std::u32string_view program_title = U"CuErDaLoKKK";
inline constexpr std::u32string_view lost = U"Has perdido...\r\nLa palabra era: ";
inline constexpr std::u32string_view lost_title = U"PeRdEdOr";
inline constexpr std::u32string_view won = U"Has ganado";
inline constexpr std::u32string_view winner = U"El ganador ha sido: ";
inline constexpr std::u32string_view winner_title = U"¡¡¡GaNaDoR!!!";
inline constexpr std::u32string_view hits_in_play = U"Aciertos: ";
inline constexpr std::u32string_view hits_complete = U"Aciertos :";
inline constexpr std::u32string_view failures = U"Fallos: ";
inline constexpr std::u32string_view player = U"Jugador";
inline constexpr std::u32string_view points = U" puntos.";
inline constexpr std::u32string_view word_prompt = U"Introduce la palabra";
inline constexpr std::u32string_view word_too_long = U"La palabra no puede tener más de 21 letras.";
inline constexpr std::u32string_view count_prompt = U"Introduce el número de jugadores";
inline constexpr std::u32string_view too_many_players = U"El máximo de jugadores es 30";
inline constexpr std::u32string_view bad_player_count = U"El número de jugadores debe estar entre 2 y 30";
inline constexpr std::u32string_view no_words = U"El archivo palabras.txt no contiene ninguna palabra.";

// "Jugador2": a player by number.
inline std::u32string player_name(int number)
{
    return std::u32string{player} + decimal(number);
}
} // namespace game_text
