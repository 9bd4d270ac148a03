#include "ui/first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>

namespace {
class FirstPaintWatch final : public QObject {
public:
    FirstPaintWatch(QWidget& window, std::function<void()> then) : QObject(&window), m_then(std::move(then))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so it runs after the window's pixels reach the screen.
            QTimer::singleShot(0, this, [this] {
                m_then();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_then;
};
} // namespace

void after_first_paint(QWidget& window, std::function<void()> then)
{
    new FirstPaintWatch(window, std::move(then));
}

void note_first_paint_when_asked(QWidget& window)
{
    const QByteArray file = qgetenv("CUERDALOKKK_FIRST_PAINT");
    if (file.isEmpty())
        return;
    after_first_paint(window, [file = file.toStdString(),
                               exit_after = qEnvironmentVariableIsSet("CUERDALOKKK_EXIT_AFTER_FIRST_PAINT")] {
        const auto now =
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::system_clock::now().time_since_epoch());
        // A plain stream, as the file may be a pipe the benchmark waits on.
        std::ofstream(file, std::ios::app) << now.count() << '\n' << std::flush;
        if (exit_after)
            std::_Exit(0);
    });
}
