#pragma once
#include <string_view>

namespace scores_text {
inline constexpr std::u32string_view name_prompt = U"Introduce tu nombre";
inline constexpr std::u32string_view name_title = U"Record";
inline constexpr std::u32string_view record_overtaken =
    U"Mientras escribías tu nombre, otra partida guardó puntuaciones mejores: la tuya ya no está entre las tres "
    U"primeras.";
inline constexpr std::u32string_view save_failed = U"No se ha podido guardar puntuaciones.txt.";

// What a screen reader says of the score table.
inline constexpr std::u32string_view new_record = U"Nuevo récord: ";
inline constexpr std::u32string_view record_points = U" puntos, ";
inline constexpr std::u32string_view places[] = {U"primer puesto.", U"segundo puesto.", U"tercer puesto."};
inline constexpr std::u32string_view saved = U"Puntuaciones guardadas.";
inline constexpr std::u32string_view erased = U"Tabla de puntuaciones borrada.";
} // namespace scores_text
