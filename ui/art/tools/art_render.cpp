// art_render figure DIR       the frame after 1 to 9 wrong letters, and all
//                             stages side by side, as PNG files in DIR
// art_render icon SIDE FILE   the program icon as a SIDE x SIDE PNG file
// art_render ico FILE         the program icon as a Windows icon file
// art_render pictures DIR SCALE...
//                             every picture at each scale, as DIR/NAME@SCALE.png,
//                             for a build whose Qt cannot read the drawings
#include "ui/art/picture_render.h"
#include "ui/art/tools/figure.h"
#include "ui/art/tools/windows_icon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int stage_count = 9;
constexpr int stage_gap = 8;

bool write_figure(const QString& directory)
{
    QDir().mkpath(directory);
    QList<QImage> stages;
    for (int wrong_letters = 1; wrong_letters <= stage_count; ++wrong_letters) {
        stages.append(art::compose_frame(art::figure_stage(wrong_letters), 1.0));
        if (!stages.last().save(directory + QStringLiteral("/figure-%1.png").arg(wrong_letters)))
            return false;
    }
    const QSize stage = stages.first().size();
    QImage overview(stage_count * stage.width() + (stage_count + 1) * stage_gap, stage.height() + 2 * stage_gap,
                    QImage::Format_RGB32);
    overview.fill(Qt::white);
    QPainter painter(&overview);
    for (int i = 0; i < stage_count; ++i)
        painter.drawImage(stage_gap + i * (stage.width() + stage_gap), stage_gap, stages[i]);
    painter.end();
    return overview.save(directory + QStringLiteral("/figure-stages.png"));
}

QImage icon_image(int side)
{
    return art::render_picture(art::PictureName::program_icon, QSize(side, side));
}

bool write_windows_icon(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QList<QImage> images;
    for (const int side : {16, 24, 32, 48, 256})
        images.append(icon_image(side));
    return art::write_windows_icon(file, images) && file.flush();
}

bool write_pictures(const QString& directory, const QStringList& scales)
{
    QDir().mkpath(directory);
    for (int i = 0; i < art::picture_count; ++i) {
        const auto name = static_cast<art::PictureName>(i);
        const QString stem = QFileInfo(art::resource_path(name)).completeBaseName();
        for (const QString& scale : scales) {
            const QImage drawn = art::render_picture(name, art::device_size(name, scale.toDouble()));
            if (!drawn.save(QStringLiteral("%1/%2@%3.png").arg(directory, stem, scale)))
                return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));

    bool written = false;
    if (args.size() == 2 && args[0] == QLatin1String("figure")) {
        written = write_figure(args[1]);
    } else if (args.size() == 3 && args[0] == QLatin1String("icon")) {
        const int side = args[1].toInt();
        written = side > 0 && icon_image(side).save(args[2]);
    } else if (args.size() == 2 && args[0] == QLatin1String("ico")) {
        written = write_windows_icon(args[1]);
    } else if (args.size() >= 3 && args[0] == QLatin1String("pictures")) {
        written = write_pictures(args[1], args.mid(2));
    } else {
        std::fputs("usage: art_render figure DIR | icon SIDE FILE | ico FILE | pictures DIR SCALE...\n", stderr);
        return 2;
    }
    if (!written)
        std::fputs("art_render: could not write the picture\n", stderr);
    return written ? 0 : 1;
}
