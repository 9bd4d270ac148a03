#pragma once
#include <QStringView>

// Every text the windows themselves show; the game's own messages come from the core.
namespace ui_text {
inline constexpr QStringView main_window_title = u"CuErDaLoKKK V1.0";
inline constexpr QStringView wrong_letters = u"Letras incorrectas";
inline constexpr QStringView right_letters = u"Letras correctas";
inline constexpr QStringView hanged = u"Colgado";
inline constexpr QStringView score_caption = u"Puntuación: ";
inline constexpr QStringView slot_blank = u" ";
inline constexpr QStringView figure_backdrop = u"Fondo del colgado";
inline constexpr QStringView board = u"Tablero";
// The pieces of the figure by number: the first miss shows the head, the ninth the left leg.
inline constexpr QStringView piece_names[] = {u"Pierna izquierda", u"Pierna derecha", u"Muslo izquierdo",
                                              u"Muslo derecho",    u"Cintura",        u"Brazo izquierdo",
                                              u"Brazo derecho",    u"Torso",          u"Cabeza"};

inline constexpr QStringView game_menu = u"Juego";
inline constexpr QStringView add_words = u"Introducir palabras nuevas";
inline constexpr QStringView new_game = u"Nuevo juego";
inline constexpr QStringView high_scores = u"Ver puntuaciones máximas...";
inline constexpr QStringView quit = u"Salir";
inline constexpr QStringView about = u"Acerca de...";
inline constexpr QStringView submenu = u", submenú";

inline constexpr QStringView caps_lock = u"MAYÚS";
inline constexpr QStringView num_lock = u"NUM";
inline constexpr QStringView lock_on = u"activado";
inline constexpr QStringView lock_off = u"desactivado";
inline constexpr QStringView hits_tip = u"Número de aciertos";
inline constexpr QStringView failures_tip = u"Número de fallos";
inline constexpr QStringView time = u"Hora";
inline constexpr QStringView date = u"Fecha";
inline constexpr QStringView no_turn = u"Sin turno";

inline constexpr QStringView add_words_title = u"Añadir palabras al fitxero...";
inline constexpr QStringView add_frame = u"Añadir";
inline constexpr QStringView add_button = u"Añadir palabras";
inline constexpr QStringView new_word = u"Palabra nueva";
inline constexpr QStringView stop = u"Cerrar sin añadir";

inline constexpr QStringView score_window_title = u"Puntuaciones";
inline constexpr QStringView ranking = u"Clasificación";
inline constexpr QStringView name = u"Nombre";
inline constexpr QStringView score = u"Puntuación";
inline constexpr QStringView place1 = u"1";
inline constexpr QStringView place2 = u"2";
inline constexpr QStringView place3 = u"3";
inline constexpr QStringView accept = u"Aceptar";
inline constexpr QStringView erase = u"Borrar";
inline constexpr QStringView cancel = u"Cancelar";

inline constexpr QStringView about_title = u"Acerca de CuerdaloKKK";
inline constexpr QStringView program_name = u"CuErDaLoKKK";
inline constexpr QStringView version = u"Versión 1.0";
inline constexpr QStringView freeware = u"Freeware";
inline constexpr QStringView credit = u"Autor: los colaboradores";
inline constexpr QStringView program_icon = u"Icono del programa";
} // namespace ui_text
