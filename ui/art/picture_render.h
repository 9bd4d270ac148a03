#pragma once

#include "picture_name.h"

#include <QImage>
#include <QSize>

// Rendering without a window system, for the tools that write image files.
namespace art {

// The picture drawn to fill exactly `pixels`, on a transparent canvas.
QImage render_picture(PictureName name, QSize pixels);

// The picture's natural size scaled by `dpr`, rounded to whole pixels.
QSize device_size(PictureName name, qreal dpr);

}  // namespace art
