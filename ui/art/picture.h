#pragma once

#include "ui/art/picture_name.h"

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace art {

// The picture's size in logical pixels, as drawn.
QSize natural_size(PictureName name);

// The picture at its natural size for a screen of device pixel ratio `dpr`:
// natural size × dpr device pixels, rendered from the drawing itself, with
// the ratio set. Kept in the pixmap cache by name and ratio.
QPixmap picture(PictureName name, qreal dpr);

// The program icon, drawn sharp at whatever size is asked for.
QIcon program_icon();

} // namespace art
