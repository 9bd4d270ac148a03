#include "ui/art/picture_render.h"

#include <QDir>
#include <QFileInfo>

#include <map>

namespace art {

// Without Qt SVG the pictures were drawn beforehand, as ":/art/NAME@SCALE.png"
// at the scales screens and icons use: the smallest at least as large as asked
// is taken, as shrinking keeps a drawing crisp, else the largest.
QImage render_picture(PictureName name, QSize pixels)
{
    const QString stem = QFileInfo(resource_path(name)).completeBaseName() + QLatin1Char('@');
    std::map<qreal, QString> drawn;
    for (const QString& file : QDir(QStringLiteral(":/art")).entryList({stem + QLatin1String("*.png")}))
        drawn.emplace(file.mid(stem.size()).chopped(4).toDouble(), file);
    auto chosen = std::prev(drawn.end());
    for (auto it = drawn.begin(); it != drawn.end(); ++it) {
        if (device_size(name, it->first).width() >= pixels.width()) {
            chosen = it;
            break;
        }
    }
    QImage image =
        QImage(QStringLiteral(":/art/") + chosen->second).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return image.size() == pixels ? image : image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace art
