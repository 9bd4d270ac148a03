#pragma once
#include "ui/design.h"
#include "ui/ui_text.h"

// The main window as designed, its controls from front to back of the drawing order.
namespace main_window_layout {
inline constexpr TwipsRect client_area = {0, 0, 10215, 7440};
inline constexpr FontSpec slot_font = {Face::times_new_roman, 18, false, true};
// The letter slots of a word stand this far apart, the first one pitch right of the template.
inline constexpr int slot_pitch = 300;

// The right-letters list stands over its frame, as the wrong-letters list stands in its own.
inline constexpr DesignControl right_letters = {"rightLetters", {240, 3840, 2895, 2985}, {}, ms_sans_serif_8};
inline constexpr DesignControl wrong_letters_frame = {
    "wrongLettersFrame", {3480, 3600, 3135, 3375}, ui_text::wrong_letters, arial_8};
inline constexpr DesignControl wrong_letters = {"wrongLetters", {120, 240, 2895, 2985}, {}, ms_sans_serif_8};
inline constexpr DesignControl right_letters_frame = {
    "rightLettersFrame", {120, 3600, 3135, 3375}, ui_text::right_letters, arial_8};
inline constexpr DesignControl hanged_frame = {"hangedFrame", {6720, 0, 3375, 6975}, ui_text::hanged, arial_8};
// Inside the hanged frame, behind the pieces of the figure.
inline constexpr DesignControl figure_backdrop = {"figureBackdrop", {120, 240, 3135, 6615}, {}, ms_sans_serif_8};
inline constexpr DesignControl status_bar = {"statusBar", {0, 7065, 10215, 375}, {}, ms_sans_serif_8};
inline constexpr DesignControl points = {"points", {1080, 240, 1215, 255}, {}, arial_8};
inline constexpr DesignControl score_caption = {"scoreCaption", {120, 240, 975, 255}, ui_text::score_caption, arial_8};
// Where a slot would stand before the first one: an underlined blank.
inline constexpr DesignControl slot_template = {"slots", {120, 1560, 285, 615}, ui_text::slot_blank, slot_font};
} // namespace main_window_layout
