#pragma once
#include "ui/design.h"
#include "ui/ui_text.h"

// The score window as designed.
namespace score_window_layout {
inline constexpr TwipsRect client_area = {0, 0, 5505, 2925};
inline constexpr FontSpec heading_font = {Face::ms_sans_serif, 8.25, true};

inline constexpr DesignControl headings[] = {
    {"rankingHeading", {120, 240, 1095, 255}, ui_text::ranking, heading_font},
    {"nameHeading", {1560, 240, 855, 255}, ui_text::name, heading_font},
    {"scoreHeading", {4320, 240, 1095, 255}, ui_text::score, heading_font},
};
// The rows of the table, 480 twips apart: place number, name cell, score cell.
inline constexpr DesignControl place_numbers[] = {
    {"place1", {240, 840, 135, 255}, ui_text::place1, ms_sans_serif_8},
    {"place2", {240, 1320, 135, 255}, ui_text::place2, ms_sans_serif_8},
    {"place3", {240, 1800, 135, 255}, ui_text::place3, ms_sans_serif_8},
};
// In cell order: the name of place k is cell 2k-2 and its score cell 2k-1.
inline constexpr DesignControl score_cells[] = {
    {"scoreCell0", {1560, 840, 2535, 255}, {}, ms_sans_serif_8},
    {"scoreCell1", {4320, 840, 975, 255}, {}, ms_sans_serif_8},
    {"scoreCell2", {1560, 1320, 2535, 255}, {}, ms_sans_serif_8},
    {"scoreCell3", {4320, 1320, 1095, 255}, {}, ms_sans_serif_8},
    {"scoreCell4", {1560, 1800, 2535, 255}, {}, ms_sans_serif_8},
    {"scoreCell5", {4320, 1800, 975, 255}, {}, ms_sans_serif_8},
};
// They read Aceptar, Cancelar, Borrar from left to right; Tab goes Aceptar, Borrar, Cancelar.
inline constexpr DesignControl accept_button = {
    "acceptButton", {1920, 2400, 1095, 375}, ui_text::accept, ms_sans_serif_8};
inline constexpr DesignControl erase_button = {"eraseButton", {4320, 2400, 1095, 375}, ui_text::erase, ms_sans_serif_8};
inline constexpr DesignControl cancel_button = {
    "cancelButton", {3120, 2400, 1095, 375}, ui_text::cancel, ms_sans_serif_8};
} // namespace score_window_layout
