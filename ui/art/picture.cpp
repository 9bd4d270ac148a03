#include "ui/art/picture.h"

#include "ui/art/picture_render.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QString>

#include <algorithm>

namespace art {

QSize natural_size(PictureName name)
{
    return device_size(name, 1.0);
}

QPixmap picture(PictureName name, qreal dpr)
{
    const QString key = QStringLiteral("art/%1@%2").arg(static_cast<int>(name)).arg(dpr, 0, 'g', 4);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = QPixmap::fromImage(render_picture(name, device_size(name, dpr)));
    pixmap.setDevicePixelRatio(dpr);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

namespace {

// Draws the icon at whatever size is asked, when it is asked, so a window
// costs only the sizes its window manager takes.
class ProgramIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        QPixmap drawn =
            picture(PictureName::program_icon, side / qreal(natural_size(PictureName::program_icon).width()));
        drawn.setDevicePixelRatio(1.0);
        return drawn;
    }

    // The sizes title bars, task bars and switchers show a window's icon at;
    // larger views take the installed icon theme's.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }

    QIconEngine* clone() const override { return new ProgramIconEngine; }
    QString key() const override { return QStringLiteral("cuerdalokkk-program-icon"); }
};

} // namespace

QIcon program_icon()
{
    return QIcon(new ProgramIconEngine);
}

} // namespace art
