#include "ui/art/picture_render.h"

#include <QString>

#include <array>

namespace art {

namespace {

struct Source {
    const char* path;
    int width;  // the drawing's own size in pixels, kept here so that
    int height; // laying out a window never has to read a drawing
};

constexpr std::array<Source, picture_count> sources{{
    {":/art/left_lower_leg.svg", 78, 119},
    {":/art/right_lower_leg.svg", 84, 113},
    {":/art/left_thigh.svg", 36, 119},
    {":/art/right_thigh.svg", 52, 120},
    {":/art/waist.svg", 34, 21},
    {":/art/left_arm.svg", 40, 144},
    {":/art/right_arm.svg", 60, 136},
    {":/art/torso.svg", 69, 88},
    {":/art/head.svg", 102, 132},
    {":/art/stop_sign.svg", 37, 35},
    {":/art/program_icon.svg", 32, 32},
}};

const Source& source(PictureName name)
{
    return sources.at(static_cast<std::size_t>(name));
}

} // namespace

QString resource_path(PictureName name)
{
    return QString::fromLatin1(source(name).path);
}

QSize device_size(PictureName name, qreal dpr)
{
    const Source& drawing = source(name);
    return QSize(qRound(drawing.width * dpr), qRound(drawing.height * dpr));
}

} // namespace art
