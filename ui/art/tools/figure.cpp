#include "ui/art/tools/figure.h"

#include "ui/art/picture_render.h"
#include "ui/art/piece_places.h"

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
int to_pixels(int twips)
{
    return qRound(double(twips) / twips_per_pixel);
}

QRect to_pixels(const QRect& twips)
{
    return QRect(to_pixels(twips.left()), to_pixels(twips.top()), to_pixels(twips.width()), to_pixels(twips.height()));
}

} // namespace

std::vector<int> figure_stage(int wrong_letters)
{
    std::vector<int> shown;
    for (int piece_number = piece_count - 1; piece_number >= piece_count - wrong_letters; --piece_number)
        shown.push_back(piece_number);
    return shown;
}

QRect piece_rect(int piece_number)
{
    const PiecePlace place = piece_places.at(static_cast<std::size_t>(piece_number));
    return QRect(QPoint(to_pixels(place.left), to_pixels(place.top)), device_size(piece(piece_number), 1.0));
}

QImage compose_frame(const std::vector<int>& back_to_front, qreal dpr)
{
    const QRect frame = to_pixels(frame_twips);
    QImage image(QSize(qRound(frame.width() * dpr), qRound(frame.height() * dpr)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(frame_face);
    QPainter painter(&image);
    painter.fillRect(to_pixels(backdrop_twips), Qt::black);
    for (const int piece_number : back_to_front) {
        QImage drawn = render_picture(piece(piece_number), device_size(piece(piece_number), dpr));
        drawn.setDevicePixelRatio(dpr);
        painter.drawImage(piece_rect(piece_number).topLeft(), drawn);
    }
    return image;
}

} // namespace art
