#include "ui/art/picture_render.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QSvgRenderer>

#include <array>

namespace art {

namespace {

// Each drawing is read once: the icon is drawn at several sizes, the pieces at
// every screen ratio. The readers live as long as the application.
QSvgRenderer& renderer(PictureName name)
{
    static std::array<QPointer<QSvgRenderer>, picture_count> read;
    QPointer<QSvgRenderer>& slot = read.at(static_cast<std::size_t>(name));
    if (!slot)
        slot = new QSvgRenderer(resource_path(name), QCoreApplication::instance());
    return *slot;
}

} // namespace

QImage render_picture(PictureName name, QSize pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer(name).render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return image;
}

} // namespace art
