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
    FirstPaintWatch(QWidget& window, std::string file, bool exit_after)
        : QObject(&window), m_file(std::move(file)), m_exit_after(exit_after)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so the moment noted is after the window's pixels reach the screen.
            QTimer::singleShot(0, this, [this] { note(); });
        }
        return false;
    }

private:
    void note()
    {
        const auto now =
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::system_clock::now().time_since_epoch());
        // A plain stream, as the file may be a pipe the benchmark waits on.
        std::ofstream(m_file, std::ios::app) << now.count() << '\n' << std::flush;
        if (m_exit_after)
            std::_Exit(0);
        deleteLater();
    }

    std::string m_file;
    bool m_exit_after;
};
} // namespace

void note_first_paint_when_asked(QWidget& window)
{
    const QByteArray file = qgetenv("CUERDALOKKK_FIRST_PAINT");
    if (!file.isEmpty())
        new FirstPaintWatch(window, file.toStdString(),
                            qEnvironmentVariableIsSet("CUERDALOKKK_EXIT_AFTER_FIRST_PAINT"));
}
