#pragma once
#include "design.h"
#include "texts.h"

// The add-words dialog as designed; the three controls after Frame1 lie inside it.
namespace form2_layout {
inline constexpr TwipsRect client_area = {0, 0, 6645, 1860};

inline constexpr DesignControl controls[] = {
    {"Frame1", {0, 0, 6615, 1815}, ui_text::add_frame, arial_8},
    {"Text1", {120, 360, 3975, 285}, {}, ms_sans_serif_8},
    {"Command1", {4560, 360, 1815, 615}, ui_text::add_button, arial_8},
    {"Command2", {4560, 1080, 1815, 615}, {}, ms_sans_serif_8},
};
} // namespace form2_layout
