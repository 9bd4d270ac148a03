#include "figure.h"
#include "picture.h"

#include <QtTest>

namespace {

// The part of a piece that is drawn: not transparent, and not the black
// background that merges with the backdrop.
bool drawn(QColor pixel) { return pixel.alpha() > 0 && qMax(pixel.red(), qMax(pixel.green(), pixel.blue())) > 24; }

// Where a piece is drawn in the frame "Colgado", in pixels.
QRect drawn_bounds(int number) {
  const QImage image = art::picture(art::piece(number), 1.0).toImage();
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (drawn(image.pixelColor(x, y))) bounds |= QRect(x, y, 1, 1);
  return bounds.translated(art::piece_rect(number).topLeft());
}

// Two pieces and a point on each, in the frame's pixels.
struct Joint {
  const char *name;
  int first;
  QPointF on_first;
  int second;
  QPointF on_second;
};

bool drawn_in_frame(const QImage &frame, QPointF point) {
  return drawn(frame.pixelColor((point * frame.devicePixelRatio()).toPoint()));
}

}  // namespace

class FigureTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Hand and foot on the left, the right foot on the right and on the frame's
  // lower edge, the hairs on top; both feet reach below the backdrop.
  void complete_figure_spans_the_frame() {
    QRect figure;
    for (int number = 0; number < art::piece_count; ++number) figure |= drawn_bounds(number);
    QVERIFY2(qAbs(figure.left() - 32) <= 1, qPrintable(QString::number(figure.left())));
    QVERIFY2(qAbs(figure.right() + 1 - 204) <= 1, qPrintable(QString::number(figure.right())));
    QVERIFY2(figure.top() - 26 <= 2, qPrintable(QString::number(figure.top())));
    QCOMPARE(figure.bottom() + 1, 465);
    for (const int foot : {0, 1}) QVERIFY2(drawn_bounds(foot).bottom() >= 457, qPrintable(QString::number(foot)));
  }

  // A line from a point of one piece to a point of the other crosses no
  // undrawn pixel, whichever piece is in front.
  void pieces_join_without_a_gap_data() {
    QTest::addColumn<Joint>("joint");
    QTest::addColumn<qreal>("dpr");
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
      for (const qreal dpr : {1.0, 2.0}) QTest::addRow("%s @%g", joint.name, dpr) << joint << dpr;
  }

  void pieces_join_without_a_gap() {
    QFETCH(Joint, joint);
    QFETCH(qreal, dpr);
    const auto [name, first, on_first, second, on_second] = joint;
    QVERIFY(drawn_in_frame(art::compose_frame({first}, dpr), on_first));
    QVERIFY(drawn_in_frame(art::compose_frame({second}, dpr), on_second));
    for (const std::vector<int> &back_to_front : {std::vector{first, second}, std::vector{second, first}}) {
      const QImage both = art::compose_frame(back_to_front, dpr);
      for (int i = 0; i <= 100; ++i) {
        const QPointF point = on_first + (on_second - on_first) * i / 100;
        QVERIFY2(drawn_in_frame(both, point), qPrintable(QStringLiteral("gap at %1,%2, %3 in front")
                                                             .arg(point.x()).arg(point.y()).arg(back_to_front[1])));
      }
    }
  }
};

QTEST_MAIN(FigureTest)
#include "tst_figure.moc"
