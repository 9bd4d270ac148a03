#include "picture.h"

#include "picture_render.h"

#include <QPixmapCache>
#include <QString>

#include <array>

namespace art {

QSize natural_size(PictureName name) { return device_size(name, 1.0); }

QPixmap picture(PictureName name, qreal dpr) {
  const QString key =
      QStringLiteral("art/%1@%2").arg(static_cast<int>(name)).arg(dpr, 0, 'g', 4);
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;
  pixmap = QPixmap::fromImage(render_picture(name, device_size(name, dpr)));
  pixmap.setDevicePixelRatio(dpr);
  QPixmapCache::insert(key, pixmap);
  return pixmap;
}

QIcon program_icon() {
  const qreal natural_side = natural_size(PictureName::program_icon).width();
  QIcon icon;
  // The window system picks the nearest size; each one is drawn at its size.
  for (const int side : std::array{16, 24, 32, 48, 64, 128, 256}) {
    QPixmap pixmap = picture(PictureName::program_icon, side / natural_side);
    pixmap.setDevicePixelRatio(1.0);
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace art
