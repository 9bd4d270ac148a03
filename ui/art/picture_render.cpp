#include "picture_render.h"

#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <array>

namespace art {

namespace {

constexpr std::array<const char *, picture_count> resource_paths{
    ":/art/image9_0.svg", ":/art/image9_1.svg", ":/art/image9_2.svg", ":/art/image9_3.svg",
    ":/art/image9_4.svg", ":/art/image9_5.svg", ":/art/image9_6.svg", ":/art/image9_7.svg",
    ":/art/image9_8.svg", ":/art/form2_stop.svg", ":/art/program_icon.svg",
};

QString resource_path(PictureName name) {
  return QString::fromLatin1(resource_paths.at(static_cast<std::size_t>(name)));
}

}  // namespace

QImage render_picture(PictureName name, QSize pixels) {
  QSvgRenderer renderer(resource_path(name));
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
  return image;
}

QSize device_size(PictureName name, qreal dpr) {
  const QSize natural = QSvgRenderer(resource_path(name)).defaultSize();
  return QSize(qRound(natural.width() * dpr), qRound(natural.height() * dpr));
}

}  // namespace art
