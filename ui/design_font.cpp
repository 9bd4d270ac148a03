#include <cmath>

#include "ui/design.h"

namespace {
QString family(Face face)
{
    switch (face) {
    case Face::times_new_roman:
        return QStringLiteral("Liberation Serif");
    case Face::arial:
    case Face::ms_sans_serif:
        break;
    }
    return QStringLiteral("Liberation Sans");
}
} // namespace

QFont design_font(const FontSpec& spec)
{
    QFont font(family(spec.face));
    font.setPixelSize(static_cast<int>(std::lround(spec.points * 96.0 / 72.0)));
    font.setBold(spec.bold);
    font.setUnderline(spec.underline);
    font.setStyleHint(spec.face == Face::times_new_roman ? QFont::Serif : QFont::SansSerif);
    return font;
}
