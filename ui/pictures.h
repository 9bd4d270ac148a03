#pragma once
#include <QIcon>
#include <QPixmap>

// The program's pictures by name, rendered at size (logical pixels) for the ratio.
QPixmap picture_pixmap(const QString& name, QSize size, qreal device_pixel_ratio);
QIcon program_icon();
QIcon stop_sign();
