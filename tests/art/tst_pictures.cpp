#include "ui/art/picture.h"
#include "ui/art/picture_name.h"
#include "ui/art/picture_render.h"
#include "ui/art/tools/windows_icon.h"

#include <QBuffer>
#include <QImageReader>
#include <QSvgRenderer>
#include <QtTest>

using art::PictureName;

namespace {
// Sum of squared differences between neighbouring pixels: how much fine edge
// detail an image holds.
double edge_energy(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    double energy = 0;
    for (int y = 0; y + 1 < argb.height(); ++y)
        for (int x = 0; x + 1 < argb.width(); ++x)
            for (const QRgb next : {argb.pixel(x + 1, y), argb.pixel(x, y + 1)})
                energy += std::pow(qRed(argb.pixel(x, y)) - qRed(next), 2) +
                          std::pow(qAlpha(argb.pixel(x, y)) - qAlpha(next), 2);
    return energy;
}
} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Windows are laid out from a table of sizes, which must match the drawings;
    // at ratio 2 a picture is drawn afresh, sharper than the 1:1 picture smoothed up.
    void pictures_have_their_size_and_stay_sharp()
    {
        for (int i = 0; i < art::picture_count; ++i) {
            const auto name = static_cast<PictureName>(i);
            QCOMPARE(QSvgRenderer(art::resource_path(name)).defaultSize(), art::natural_size(name));
            const QPixmap sharp = art::picture(name, 2.0);
            QCOMPARE(sharp.size() / sharp.devicePixelRatio(), art::natural_size(name));
            const QImage smoothed =
                art::picture(name, 1.0).toImage().scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QVERIFY2(edge_energy(sharp.toImage()) > 1.5 * edge_energy(smoothed), qPrintable(QString::number(i)));
        }
        // The head merges with the black backdrop; the other pieces are cut out.
        QCOMPARE(art::picture(PictureName::head, 1.0).toImage().pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(art::picture(PictureName::waist, 1.0).toImage().pixelColor(0, 0).alpha(), 0);
    }

    // A window hands its window manager the small sizes; any size asked for is
    // drawn afresh, and the Windows icon holds several.
    void program_icon_is_drawn_at_every_size()
    {
        const QIcon icon = art::program_icon();
        QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
        QList<QImage> images;
        for (const int side : {16, 48, 256}) {
            images.append(art::picture(PictureName::program_icon, side / 32.0).toImage());
            images.back().setDevicePixelRatio(1.0);
            QCOMPARE(icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32),
                     images.back().convertToFormat(QImage::Format_ARGB32));
        }
        QBuffer file;
        QVERIFY(file.open(QIODevice::ReadWrite) && art::write_windows_icon(file, images) && file.seek(0));
        QImageReader ico(&file, "ico");
        QCOMPARE(ico.imageCount(), 3);
        for (const int side : {16, 48, 256})
            QVERIFY(ico.read().size() == QSize(side, side) && (ico.jumpToNextImage() || side == 256));
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
