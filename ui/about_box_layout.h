#pragma once
#include <QColor>

#include "ui/design.h"
#include "ui/ui_text.h"

// The about box as designed; the two lines draw its etched rule.
namespace about_box_layout {
inline constexpr TwipsRect client_area = {0, 0, 5925, 2385};

inline constexpr DesignControl ok_button = {"okButton", {4320, 1920, 1500, 345}, ui_text::accept, ms_sans_serif_8};
inline constexpr DesignControl icon_box = {"iconBox", {240, 240, 540, 540}, {}, ms_sans_serif_8};
inline constexpr DesignControl texts[] = {
    {"description", {1080, 1200, 1245, 330}, ui_text::freeware, {Face::ms_sans_serif, 12, true}},
    {"title", {1050, 240, 3885, 480}, ui_text::program_name, {Face::arial, 24, true}},
    {"version", {1080, 840, 885, 225}, ui_text::version, ms_sans_serif_8},
    {"credit", {3600, 1440, 2055, 255}, ui_text::credit, ms_sans_serif_8},
};

struct Line {
    int x1, y1, x2, y2; // twips
    QColor colour;
    int width; // pixels
};
// The grey line, and below it the white one.
inline const Line rule[] = {
    {90, 1725, 5760, 1725, QColor(128, 128, 128), 1},
    {105, 1740, 5760, 1740, QColor(255, 255, 255), 2},
};
} // namespace about_box_layout
