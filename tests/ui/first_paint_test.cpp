#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <chrono>

#include "first_paint.h"

namespace {
qint64 now_in_microseconds()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}
} // namespace

// The start-up benchmark reads one moment per start from the file it names.
class FirstPaintTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void one_moment_noted_after_the_first_paint()
    {
        QTemporaryDir directory;
        const QString file = directory.filePath(QStringLiteral("paint"));
        qputenv("CUERDALOKKK_FIRST_PAINT", QFile::encodeName(file));
        const qint64 before = now_in_microseconds();
        QWidget window;
        note_first_paint_when_asked(window);
        window.show();
        QTRY_VERIFY(QFile::exists(file));
        window.repaint();
        QTest::qWait(50);

        QFile noted(file);
        QVERIFY(noted.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = noted.readAll().split('\n');
        QCOMPARE(lines.size(), 2);  // one moment, ended by a line break
        const qint64 moment = lines.front().toLongLong();
        QVERIFY(before <= moment && moment <= now_in_microseconds());
    }

    void nothing_noted_unless_asked()
    {
        QTemporaryDir directory;
        qunsetenv("CUERDALOKKK_FIRST_PAINT");
        QDir::setCurrent(directory.path());
        QWidget window;
        note_first_paint_when_asked(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(50);
        QVERIFY(QDir(directory.path()).isEmpty());
    }
};

QTEST_MAIN(FirstPaintTest)
#include "first_paint_test.moc"
