#include "ui/announcer.h"

#include <QAccessible>
#include <QApplication>

#include "ui/accessible_roles.h"
#include "ui/announcer_voice.h"

namespace {
// Keys typed this close together are said in one breath.
constexpr int gather_ms = 80;
} // namespace

Announcer::Announcer(QWidget* parent, std::function<void()> listening) : QWidget(parent)
{
    install_accessible_roles();
    setObjectName(QStringLiteral("announcer"));
    setFixedSize(0, 0);
    hide();
    m_voice = make_announcer_voice(this, std::move(listening));
    m_gather.setSingleShot(true);
    m_gather.setInterval(gather_ms);
    connect(&m_gather, &QTimer::timeout, this, &Announcer::say_pending);
    qApp->installEventFilter(this); // here, not while the filters are being run
}

Announcer::~Announcer() = default;

void Announcer::announce(const QString& text)
{
    if (!m_pending.isEmpty())
        m_pending += QLatin1Char(' ');
    m_pending += text;
    setAccessibleName(m_pending);
    // Without a screen reader nothing is said: nothing listens.
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

void Announcer::say_pending()
{
    m_gather.stop();
    m_voice->say(std::exchange(m_pending, QString()));
}
