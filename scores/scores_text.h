#pragma once
#include <string_view>

namespace scores_text {
inline constexpr std::u32string_view name_prompt = U"Introduce tu nombre";
inline constexpr std::u32string_view name_title = U"Record";
inline constexpr std::u32string_view record_overtaken =
    U"Mientras escribías tu nombre, otra partida guardó puntuaciones mejores: la tuya ya no está entre las tres "
    U"primeras.";
inline constexpr std::u32string_view save_failed = U"No se ha podido guardar puntuaciones.txt.";
} // namespace scores_text
