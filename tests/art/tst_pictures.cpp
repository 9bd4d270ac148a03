#include "picture.h"
#include "picture_name.h"
#include "windows_icon.h"

#include <QBuffer>
#include <QImageReader>
#include <QtTest>

using art::PictureName;

namespace {

struct Drawn {
  const char *label;
  PictureName name;
  QSize size;
};

// Every picture with the size it is drawn at, in pixels.
const Drawn drawn[] = {
    {"Image9(8) head", art::image9(8), {102, 132}},
    {"Image9(7) torso", art::image9(7), {69, 88}},
    {"Image9(6) right arm", art::image9(6), {60, 136}},
    {"Image9(5) left arm", art::image9(5), {40, 144}},
    {"Image9(4) waist", art::image9(4), {34, 21}},
    {"Image9(3) right thigh", art::image9(3), {52, 120}},
    {"Image9(2) left thigh", art::image9(2), {36, 119}},
    {"Image9(1) right lower leg", art::image9(1), {84, 113}},
    {"Image9(0) left lower leg", art::image9(0), {78, 119}},
    {"Form2 stop sign", PictureName::form2_stop, {37, 35}},
    {"program icon", PictureName::program_icon, {32, 32}},
};

QList<QPoint> corners(const QImage &image) {
  const int right = image.width() - 1;
  const int bottom = image.height() - 1;
  return {{0, 0}, {right, 0}, {0, bottom}, {right, bottom}};
}

// Sum of squared differences between neighbouring pixels: how much fine
// edge detail an image holds.
double edge_energy(const QImage &image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  double energy = 0;
  for (int y = 0; y + 1 < argb.height(); ++y)
    for (int x = 0; x + 1 < argb.width(); ++x) {
      const QRgb here = argb.pixel(x, y);
      for (const QRgb next : {argb.pixel(x + 1, y), argb.pixel(x, y + 1)}) {
        const int channels[] = {qRed(here) - qRed(next), qGreen(here) - qGreen(next),
                                qBlue(here) - qBlue(next), qAlpha(here) - qAlpha(next)};
        for (const int d : channels) energy += double(d) * d;
      }
    }
  return energy;
}

// True when every 2x2 block holds one colour, as in a pixel-doubled copy.
bool made_of_doubled_pixels(const QImage &image) {
  for (int y = 0; y + 1 < image.height(); y += 2)
    for (int x = 0; x + 1 < image.width(); x += 2) {
      const QRgb block = image.pixel(x, y);
      if (image.pixel(x + 1, y) != block || image.pixel(x, y + 1) != block ||
          image.pixel(x + 1, y + 1) != block)
        return false;
    }
  return true;
}

}  // namespace

class PicturesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void renders_at_its_size_at_every_ratio_data() {
    QTest::addColumn<PictureName>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("dpr");
    for (const Drawn &picture : drawn)
      for (const qreal dpr : {1.0, 1.5, 2.0})
        QTest::addRow("%s @%g", picture.label, dpr) << picture.name << picture.size << dpr;
  }

  void renders_at_its_size_at_every_ratio() {
    QFETCH(PictureName, name);
    QFETCH(QSize, size);
    QFETCH(qreal, dpr);
    QCOMPARE(art::natural_size(name), size);
    const QPixmap pixmap = art::picture(name, dpr);
    QCOMPARE(pixmap.size(), QSize(qRound(size.width() * dpr), qRound(size.height() * dpr)));
    QCOMPARE(pixmap.devicePixelRatio(), dpr);
  }

  void background_data() {
    QTest::addColumn<PictureName>("name");
    QTest::addColumn<QColor>("corner");  // invalid: transparent
    for (int element = 0; element < 8; ++element)
      QTest::addRow("Image9(%d)", element) << art::image9(element) << QColor();
    QTest::addRow("Image9(8) head") << art::image9(8) << QColor(Qt::black);
    QTest::addRow("Form2 stop sign") << PictureName::form2_stop << QColor(0xc0, 0xc0, 0xc0);
    QTest::addRow("program icon") << PictureName::program_icon << QColor();
  }

  void background() {
    QFETCH(PictureName, name);
    QFETCH(QColor, corner);
    const QImage image = art::picture(name, 1.0).toImage();
    for (const QPoint &point : corners(image)) {
      const QColor seen = image.pixelColor(point);
      if (corner.isValid())
        QCOMPARE(seen.rgba(), corner.rgba());
      else
        QCOMPARE(seen.alpha(), 0);
    }
    // The head and the stop sign are solid pictures, with no hole anywhere.
    if (corner.isValid())
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) QCOMPARE(image.pixelColor(x, y).alpha(), 255);
  }

  void is_drawn_afresh_at_ratio_2_data() {
    QTest::addColumn<PictureName>("name");
    for (const Drawn &picture : drawn) QTest::addRow("%s", picture.label) << picture.name;
  }

  void is_drawn_afresh_at_ratio_2() {
    QFETCH(PictureName, name);
    const QImage sharp = art::picture(name, 2.0).toImage();
    const QImage once = art::picture(name, 1.0).toImage();
    const QImage smoothed = once.scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY(!made_of_doubled_pixels(sharp));
    QVERIFY2(edge_energy(sharp) > 1.5 * edge_energy(smoothed),
             qPrintable(QStringLiteral("%1 against %2 for a smoothed 1x picture")
                            .arg(edge_energy(sharp))
                            .arg(edge_energy(smoothed))));
  }

  void is_kept_by_name_and_ratio() {
    const QPixmap head = art::picture(art::image9(8), 2.0);
    QCOMPARE(art::picture(art::image9(8), 2.0).cacheKey(), head.cacheKey());
    QVERIFY(art::picture(art::image9(8), 1.5).cacheKey() != head.cacheKey());
    QVERIFY(art::picture(art::image9(7), 2.0).cacheKey() != head.cacheKey());
  }

  void program_icon_offers_the_desktop_sizes() {
    const QIcon icon = art::program_icon();
    for (const int side : {16, 32, 48, 64, 128, 256})
      QVERIFY2(icon.availableSizes().contains(QSize(side, side)), qPrintable(QString::number(side)));
    QCOMPARE(icon.pixmap(QSize(32, 32), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
             art::picture(PictureName::program_icon, 1.0).toImage().convertToFormat(QImage::Format_ARGB32));
  }

  void windows_icon_holds_every_size() {
    QList<QImage> images;
    for (const int side : {16, 32, 256})
      images.append(art::picture(PictureName::program_icon, side / 32.0).toImage());
    QBuffer file;
    file.open(QIODevice::ReadWrite);
    QVERIFY(art::write_windows_icon(file, images));

    file.seek(0);
    QImageReader reader(&file, "ico");
    QCOMPARE(reader.imageCount(), 3);
    for (const int side : {16, 32, 256}) {
      const QImage read = reader.read();
      QCOMPARE(read.size(), QSize(side, side));
      reader.jumpToNextImage();
    }
  }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
