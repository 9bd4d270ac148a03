#pragma once
#include "design.h"
#include "texts.h"

// The score window as designed, in tab order.
namespace form3_layout {
inline constexpr TwipsRect client_area = {0, 0, 5505, 2925};
inline constexpr FontSpec heading_font = {Face::ms_sans_serif, 8.25, true};

inline constexpr DesignControl controls[] = {
    {"Label1", {120, 240, 1095, 255}, ui_text::ranking, heading_font},
    {"Label2", {1560, 240, 855, 255}, ui_text::name, heading_font},
    {"Label3", {4320, 240, 1095, 255}, ui_text::score, heading_font},
    {"Label4", {240, 840, 135, 255}, ui_text::place1, ms_sans_serif_8},
    {"Label5", {240, 1320, 135, 255}, ui_text::place2, ms_sans_serif_8},
    {"Label6", {240, 1800, 135, 255}, ui_text::place3, ms_sans_serif_8},
    {"Label7(0)", {1560, 840, 2535, 255}, {}, ms_sans_serif_8},
    {"Label7(2)", {1560, 1320, 2535, 255}, {}, ms_sans_serif_8},
    {"Label7(4)", {1560, 1800, 2535, 255}, {}, ms_sans_serif_8},
    {"Label7(1)", {4320, 840, 975, 255}, {}, ms_sans_serif_8},
    {"Label7(3)", {4320, 1320, 1095, 255}, {}, ms_sans_serif_8},
    {"Label7(5)", {4320, 1800, 975, 255}, {}, ms_sans_serif_8},
    {"Command2", {1920, 2400, 1095, 375}, ui_text::accept, ms_sans_serif_8},
    {"Command3", {4320, 2400, 1095, 375}, ui_text::erase, ms_sans_serif_8},
    {"Command1", {3120, 2400, 1095, 375}, ui_text::cancel, ms_sans_serif_8},
};
} // namespace form3_layout
