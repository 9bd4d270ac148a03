#include <QPainter>

#include "pictures.h"

QPixmap picture_pixmap(const QString&, QSize size, qreal device_pixel_ratio)
{
    QPixmap pixmap(size * device_pixel_ratio);
    pixmap.setDevicePixelRatio(device_pixel_ratio);
    pixmap.fill(QColor(160, 180, 220));
    return pixmap;
}

QIcon program_icon()
{
    return QIcon(picture_pixmap({}, {32, 32}, 1));
}

QIcon stop_sign()
{
    QPixmap pixmap(37, 35);
    pixmap.fill(Qt::red);
    return QIcon(pixmap);
}
