#pragma once

#include "ui/art/picture_name.h"

#include <QImage>
#include <QSize>
#include <QString>

// Rendering without a window system, for the tools that write image files.
namespace art {

// The picture drawn to fill exactly `pixels`, on a transparent canvas.
QImage render_picture(PictureName name, QSize pixels);

// Where the drawing lies among the program's resources.
QString resource_path(PictureName name);

// The picture's natural size scaled by `dpr`, rounded to whole pixels.
QSize device_size(PictureName name, qreal dpr);

} // namespace art
