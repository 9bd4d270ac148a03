#pragma once
#include "design.h"
#include "texts.h"

// The main window as designed, its controls from front to back of the drawing order.
namespace form1_layout {
inline constexpr TwipsRect client_area = {0, 0, 10215, 7440};
inline constexpr FontSpec letter_font = {Face::times_new_roman, 18};
inline constexpr FontSpec slot_font = {Face::times_new_roman, 18, false, true};
// The letter slots of a word stand this far apart, the first one pitch right of the template.
inline constexpr int slot_pitch = 300;

inline constexpr DesignControl controls[] = {
    {"List1", {240, 3840, 2895, 2985}, {}, ms_sans_serif_8},
    {"Frame3", {3480, 3600, 3135, 3375}, ui_text::wrong_letters, arial_8},
    {"List2", {120, 240, 2895, 2985}, {}, ms_sans_serif_8}, // inside Frame3
    {"Frame2", {120, 3600, 3135, 3375}, ui_text::right_letters, arial_8},
    {"Frame1", {6720, 0, 3375, 6975}, ui_text::hanged, arial_8},
    {"Label14", {120, 240, 3135, 6615}, {}, ms_sans_serif_8}, // inside Frame1
    {"StatusBar1", {0, 7065, 10215, 375}, {}, ms_sans_serif_8},
    {"Label4", {1080, 240, 1215, 255}, {}, arial_8},
    {"Label3", {120, 240, 975, 255}, ui_text::score_caption, arial_8},
    {"Label2", {120, 1560, 285, 615}, ui_text::slot_blank, slot_font},
    {"Label1", {120, 840, 255, 375}, ui_text::holder_template, letter_font},
};
} // namespace form1_layout
