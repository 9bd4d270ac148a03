#include "ui/art/picture_render.h"

#include <QDir>
#include <QFileInfo>

namespace art {

// Without Qt SVG the pictures were drawn beforehand, as ":/art/NAME@SCALE.png"
// at the scales screens and icons use: the smallest at least as large as asked
// is taken, as shrinking keeps a drawing crisp, else the largest.
QImage render_picture(PictureName name, QSize pixels)
{
    const QString stem = QFileInfo(resource_path(name)).completeBaseName() + QLatin1Char('@');
    QString chosen;
    qreal chosen_scale = 0;
    for (const QString& file : QDir(QStringLiteral(":/art")).entryList({stem + QLatin1String("*.png")})) {
        const qreal scale = file.mid(stem.size()).chopped(4).toDouble();
        const bool large_enough = device_size(name, scale).width() >= pixels.width();
        const bool chosen_large_enough = device_size(name, chosen_scale).width() >= pixels.width();
        if (chosen.isEmpty() || (large_enough && (!chosen_large_enough || scale < chosen_scale)) ||
            (!large_enough && !chosen_large_enough && scale > chosen_scale)) {
            chosen = file;
            chosen_scale = scale;
        }
    }
    QImage image = QImage(QStringLiteral(":/art/") + chosen).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return image.size() == pixels ? image : image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace art
