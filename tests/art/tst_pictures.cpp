#include "picture.h"
#include "picture_name.h"
#include "picture_render.h"
#include "windows_icon.h"

#include <QBuffer>
#include <QImageReader>
#include <QSvgRenderer>
#include <QtTest>

using art::PictureName;

namespace {

// Sum of squared differences between neighbouring pixels: how much fine
// edge detail an image holds.
double edge_energy(const QImage &image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  double energy = 0;
  for (int y = 0; y + 1 < argb.height(); ++y)
    for (int x = 0; x + 1 < argb.width(); ++x)
      for (const QRgb next : {argb.pixel(x + 1, y), argb.pixel(x, y + 1)}) {
        const QRgb here = argb.pixel(x, y);
        for (const int d : {qRed(here) - qRed(next), qGreen(here) - qGreen(next), qBlue(here) - qBlue(next),
                            qAlpha(here) - qAlpha(next)})
          energy += double(d) * d;
      }
  return energy;
}

// True when every 2x2 block holds one colour, as in a pixel-doubled copy.
bool made_of_doubled_pixels(const QImage &image) {
  for (int y = 0; y + 1 < image.height(); y += 2)
    for (int x = 0; x + 1 < image.width(); x += 2) {
      const QRgb block = image.pixel(x, y);
      if (image.pixel(x + 1, y) != block || image.pixel(x, y + 1) != block || image.pixel(x + 1, y + 1) != block)
        return false;
    }
  return true;
}

}  // namespace

class PicturesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Every picture with the size it is drawn at in pixels, and the colour of its
  // corners (invalid: transparent); a picture with a coloured corner has no hole.
  void picture_data() {
    QTest::addColumn<PictureName>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("corner");
    QTest::newRow("piece 8, head") << PictureName::head << QSize(102, 132) << QColor(Qt::black);
    QTest::newRow("piece 7, torso") << PictureName::torso << QSize(69, 88) << QColor();
    QTest::newRow("piece 6, right arm") << PictureName::right_arm << QSize(60, 136) << QColor();
    QTest::newRow("piece 5, left arm") << PictureName::left_arm << QSize(40, 144) << QColor();
    QTest::newRow("piece 4, waist") << PictureName::waist << QSize(34, 21) << QColor();
    QTest::newRow("piece 3, right thigh") << PictureName::right_thigh << QSize(52, 120) << QColor();
    QTest::newRow("piece 2, left thigh") << PictureName::left_thigh << QSize(36, 119) << QColor();
    QTest::newRow("piece 1, right lower leg") << PictureName::right_lower_leg << QSize(84, 113) << QColor();
    QTest::newRow("piece 0, left lower leg") << PictureName::left_lower_leg << QSize(78, 119) << QColor();
    QTest::newRow("stop sign") << PictureName::stop_sign << QSize(37, 35) << QColor(0xc0, 0xc0, 0xc0);
    QTest::newRow("program icon") << PictureName::program_icon << QSize(32, 32) << QColor();
  }

  void picture() {
    QFETCH(PictureName, name);
    QFETCH(QSize, size);
    QFETCH(QColor, corner);
    QCOMPARE(art::natural_size(name), size);
    // Windows are laid out from a table of sizes: it must match the drawing itself.
    QCOMPARE(QSvgRenderer(art::resource_path(name)).defaultSize(), size);
    for (const qreal dpr : {1.0, 1.5, 2.0}) {
      const QPixmap pixmap = art::picture(name, dpr);
      QCOMPARE(pixmap.size(), QSize(qRound(size.width() * dpr), qRound(size.height() * dpr)));
      QCOMPARE(pixmap.devicePixelRatio(), dpr);
    }

    const QImage image = art::picture(name, 1.0).toImage();
    for (const QPoint &point : {QPoint(0, 0), QPoint(size.width() - 1, 0), QPoint(0, size.height() - 1),
                                QPoint(size.width() - 1, size.height() - 1)}) {
      if (corner.isValid())
        QCOMPARE(image.pixelColor(point).rgba(), corner.rgba());
      else
        QCOMPARE(image.pixelColor(point).alpha(), 0);
    }
    if (corner.isValid())
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) QCOMPARE(image.pixelColor(x, y).alpha(), 255);

    // At ratio 2 the picture is drawn afresh: sharper than the 1:1 picture smoothed up, not doubled.
    const QImage sharp = art::picture(name, 2.0).toImage();
    const QImage smoothed = image.scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY(!made_of_doubled_pixels(sharp));
    QVERIFY2(edge_energy(sharp) > 1.5 * edge_energy(smoothed),
             qPrintable(QStringLiteral("%1 against %2").arg(edge_energy(sharp)).arg(edge_energy(smoothed))));
  }

  // A window hands its window manager the small sizes; any size asked for is drawn afresh.
  void program_icon_is_drawn_at_every_size() {
    const QIcon icon = art::program_icon();
    QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
    for (const int side : {16, 48, 128, 256}) {
      const QImage drawn = icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32);
      QImage picture = art::picture(PictureName::program_icon, side / 32.0).toImage();
      picture.setDevicePixelRatio(1.0);
      QCOMPARE(drawn, picture.convertToFormat(QImage::Format_ARGB32));
    }
  }

  void windows_icon_holds_every_size() {
    QList<QImage> images;
    for (const int side : {16, 32, 256}) images.append(art::picture(PictureName::program_icon, side / 32.0).toImage());
    QBuffer file;
    file.open(QIODevice::ReadWrite);
    QVERIFY(art::write_windows_icon(file, images));
    file.seek(0);
    QImageReader reader(&file, "ico");
    QCOMPARE(reader.imageCount(), 3);
    for (const int side : {16, 32, 256}) {
      QCOMPARE(reader.read().size(), QSize(side, side));
      reader.jumpToNextImage();
    }
  }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
