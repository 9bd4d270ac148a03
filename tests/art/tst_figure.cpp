#include "figure.h"
#include "image9_places.h"
#include "picture.h"

#include <QtTest>

#include <vector>

namespace {

constexpr int twips_per_pixel = 15;
const QRect frame_twips(0, 0, 3375, 6975);
constexpr int backdrop_bottom = (240 + 6615) / twips_per_pixel;  // in pixels

QRect place_in_twips(int element) {
  const art::Image9Place place = art::image9_places.at(static_cast<std::size_t>(element));
  return QRect(QPoint(place.left, place.top), art::natural_size(art::image9(element)) * twips_per_pixel);
}

// The part of a piece that is drawn: not transparent, and not the black
// background that merges with the backdrop.
bool drawn(QColor pixel) { return pixel.alpha() > 0 && qMax(pixel.red(), qMax(pixel.green(), pixel.blue())) > 24; }

QRect drawn_bounds(int element) {
  const QImage image = art::picture(art::image9(element), 1.0).toImage();
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (drawn(image.pixelColor(x, y))) bounds |= QRect(x, y, 1, 1);
  return bounds.translated(art::piece_rect(element).topLeft());
}

bool drawn_in_frame(const QImage &frame, QPointF point) {
  return drawn(frame.pixelColor((point * frame.devicePixelRatio()).toPoint()));
}

}  // namespace

class FigureTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void every_piece_stays_inside_the_frame() {
    for (int element = 0; element < art::image9_count; ++element)
      QVERIFY2(frame_twips.contains(place_in_twips(element)), qPrintable(QString::number(element)));
  }

  void complete_figure_spans_its_places() {
    QRect places;
    QRect figure;
    for (int element = 0; element < art::image9_count; ++element) {
      places |= place_in_twips(element);
      figure |= drawn_bounds(element);
    }
    QCOMPARE(places, QRect(QPoint(480, 400), QPoint(3059, 6974)));
    // The drawing fills its places: hand and foot on the left, the right
    // foot on the right and on the frame's lower edge, the hairs on top.
    QVERIFY2(qAbs(figure.left() - 480 / twips_per_pixel) <= 1, qPrintable(QString::number(figure.left())));
    QVERIFY2(qAbs(figure.right() + 1 - 3060 / twips_per_pixel) <= 1, qPrintable(QString::number(figure.right())));
    QVERIFY2(figure.top() - 400 / twips_per_pixel <= 2, qPrintable(QString::number(figure.top())));
    QCOMPARE(figure.bottom() + 1, 6975 / twips_per_pixel);
  }

  void feet_reach_below_the_backdrop() {
    for (const int foot : {0, 1})
      QVERIFY2(drawn_bounds(foot).bottom() >= backdrop_bottom, qPrintable(QString::number(foot)));
  }

  // A line from a point of one piece to a point of the other crosses no
  // undrawn pixel, whichever piece is in front.
  void pieces_join_without_a_gap_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<QPointF>("on_first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QPointF>("on_second");
    QTest::addColumn<qreal>("dpr");
    struct Joint {
      const char *name;
      int first;
      QPointF on_first;
      int second;
      QPointF on_second;
    };
    const Joint joints[] = {
        {"neck", 8, {106, 150}, 7, {106, 162}},
        {"left shoulder", 7, {76, 169}, 5, {62, 169}},
        {"right shoulder", 7, {136, 169}, 6, {148, 169}},
        {"belly to waist", 7, {106, 226}, 4, {106, 238}},
        {"waist to left hip", 4, {96, 240}, 2, {88, 260}},
        {"waist to right hip", 4, {114, 240}, 3, {118, 265}},
        {"left knee", 2, {84, 330}, 0, {79, 365}},
        {"right knee", 3, {130, 335}, 1, {137, 375}},
    };
    for (const Joint &joint : joints)
      for (const qreal dpr : {1.0, 2.0}) {
        QTest::addRow("%s, %d in front @%g", joint.name, joint.second, dpr)
            << joint.first << joint.on_first << joint.second << joint.on_second << dpr;
        QTest::addRow("%s, %d in front @%g", joint.name, joint.first, dpr)
            << joint.second << joint.on_second << joint.first << joint.on_first << dpr;
      }
  }

  void pieces_join_without_a_gap() {
    QFETCH(int, first);
    QFETCH(QPointF, on_first);
    QFETCH(int, second);
    QFETCH(QPointF, on_second);
    QFETCH(qreal, dpr);
    QVERIFY(drawn_in_frame(art::compose_frame({first}, dpr), on_first));
    QVERIFY(drawn_in_frame(art::compose_frame({second}, dpr), on_second));

    const QImage both = art::compose_frame({first, second}, dpr);
    const int steps = 100;
    for (int i = 0; i <= steps; ++i) {
      const QPointF point = on_first + (on_second - on_first) * i / steps;
      QVERIFY2(drawn_in_frame(both, point),
               qPrintable(QStringLiteral("gap at %1,%2").arg(point.x()).arg(point.y())));
    }
  }
};

QTEST_MAIN(FigureTest)
#include "tst_figure.moc"
