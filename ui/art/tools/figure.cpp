#include "figure.h"

#include "image9_places.h"
#include "picture_render.h"

#include <QColor>
#include <QPainter>

#include <algorithm>

namespace art {

namespace {

constexpr int twips_per_pixel = 15;
const QRect frame_twips(0, 0, 3375, 6975);
const QRect backdrop_twips(120, 240, 3135, 6615);
const QColor frame_face(0xef, 0xef, 0xef);

// Widgets stand at whole logical pixels.
int to_pixels(int twips) { return qRound(double(twips) / twips_per_pixel); }

QRect to_pixels(const QRect &twips) {
  return QRect(to_pixels(twips.left()), to_pixels(twips.top()), to_pixels(twips.width()),
               to_pixels(twips.height()));
}

}  // namespace

std::vector<int> figure_stage(int wrong_letters) {
  std::vector<int> shown;
  for (int element = image9_count - 1; element >= image9_count - wrong_letters; --element)
    shown.push_back(element);
  return shown;
}

QRect piece_rect(int element) {
  const Image9Place place = image9_places.at(static_cast<std::size_t>(element));
  return QRect(QPoint(to_pixels(place.left), to_pixels(place.top)), device_size(image9(element), 1.0));
}

QImage compose_frame(const std::vector<int> &back_to_front, qreal dpr) {
  const QRect frame = to_pixels(frame_twips);
  QImage image(QSize(qRound(frame.width() * dpr), qRound(frame.height() * dpr)),
               QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(dpr);
  image.fill(frame_face);
  QPainter painter(&image);
  painter.fillRect(to_pixels(backdrop_twips), Qt::black);
  for (const int element : back_to_front) {
    QImage piece = render_picture(image9(element), device_size(image9(element), dpr));
    piece.setDevicePixelRatio(dpr);
    painter.drawImage(piece_rect(element).topLeft(), piece);
  }
  return image;
}

}  // namespace art
