#pragma once
#include <QFont>
#include <QRect>
#include <QStringView>

// The windows are designed in twips; 15 twips make one logical pixel.
inline constexpr int twips_per_pixel = 15;

struct TwipsRect {
    int left, top, width, height;
};

// Rounded to the nearest pixel, as the design's few values off the grid (820 twips) want.
constexpr int to_pixels(int twips)
{
    return (twips + twips_per_pixel / 2) / twips_per_pixel;
}

constexpr QRect to_pixels(TwipsRect r)
{
    return {to_pixels(r.left), to_pixels(r.top), to_pixels(r.width), to_pixels(r.height)};
}

// The faces of the design and the free faces that stand in for them.
enum class Face { arial, times_new_roman, ms_sans_serif };

struct FontSpec {
    Face face;
    double points;
    bool bold = false;
    bool underline = false;
};

inline constexpr FontSpec arial_8 = {Face::arial, 8.25};
inline constexpr FontSpec ms_sans_serif_8 = {Face::ms_sans_serif, 8.25};

// Sized in pixels as at 96 dots per inch, so text keeps its place among controls
// whose geometry is fixed in pixels, whatever the screen's dots per inch.
QFont design_font(const FontSpec& spec);

// One control of a window as designed: where it stands inside its container.
struct DesignControl {
    const char* object_name; // for tests and style sheets, in Qt's camelCase
    TwipsRect place;
    QStringView caption;
    FontSpec font;
};
