#include "ui/announcer.h"

#include <QAccessible>
#include <QApplication>

#include "ui/accessible_roles.h"

namespace {
// Keys typed this close together are said in one breath.
constexpr int gather_ms = 80;
// Enough that a notice is not taken again before a screen reader has read it.
constexpr std::size_t notice_count = 8;
} // namespace

Notice::Notice(QWidget* parent) : QWidget(parent)
{
    setFixedSize(0, 0);
    hide();
}

// Hidden first, so every text appears anew, even the same one twice.
void Notice::say(const QString& text)
{
    hide();
    setAccessibleName(text);
    show();
}

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    install_accessible_roles();
    setObjectName(QStringLiteral("announcer"));
    setFixedSize(0, 0);
    hide();
    m_gather.setSingleShot(true);
    m_gather.setInterval(gather_ms);
    connect(&m_gather, &QTimer::timeout, this, &Announcer::say_pending);
    qApp->installEventFilter(this); // here, not while the filters are being run
}

void Announcer::announce(const QString& text)
{
    if (!m_pending.isEmpty())
        m_pending += QLatin1Char(' ');
    m_pending += text;
    setAccessibleName(m_pending);
    // Without a screen reader no notice is shown: nothing listens.
    if (!QAccessible::isActive())
        m_pending.clear();
    else if (!m_gather.isActive())
        m_gather.start();
}

// A window opening while a saying waits, such as the box the next key opens:
// the saying comes first, as its key did.
bool Announcer::eventFilter(QObject* watched, QEvent* event)
{
    if (m_gather.isActive() && event->type() == QEvent::Show && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow())
        say_pending();
    return false;
}

// Made as they are first needed, so every notice there is has something to say.
void Announcer::say_pending()
{
    m_gather.stop();
    if (m_notices.size() < notice_count)
        m_notices.push_back(new Notice(parentWidget()));
    Notice* notice = m_notices.at(m_next);
    m_next = (m_next + 1) % notice_count;
    notice->say(std::exchange(m_pending, QString()));
}
