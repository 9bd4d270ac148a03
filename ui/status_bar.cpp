#include "ui/status_bar.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QWindow>

#include <tuple>

#include "engine/board.h"
#include "engine/spoken_word.h"
#include "ui/accessible_roles.h"
#include "ui/design.h"
#include "ui/lock_keys.h"
#include "ui/ui_text.h"
#include "ui/unicode_text.h"

namespace {
constexpr int caps_panel = 1, num_panel = 2, time_panel = 3, date_panel = 4;
constexpr int hits_panel = 5, failures_panel = 6, turn_panel = 7;

// Only a real change is written: a screen reader hears every new name.
void show_panel(QLabel& label, const QString& text, const QString& spoken, bool lit = true)
{
    if (label.text() != text)
        label.setText(text);
    if (label.accessibleName() != spoken)
        label.setAccessibleName(spoken);
    label.setEnabled(lit);
}
} // namespace

StatusBar::StatusBar(QWidget* parent) : QWidget(parent)
{
    install_accessible_roles();
    // No name: a screen reader says "barra de estado" for the role, and a name besides would say it twice.
    for (int n = 1; n <= panel_count; ++n) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("panel%1").arg(n));
        label->setTextFormat(Qt::PlainText);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setFont(design_font(ms_sans_serif_8));
        label->setIndent(3);
        m_panels[static_cast<std::size_t>(n - 1)] = label;
    }
    panel(hits_panel).setToolTip(ui_text::hits_tip.toString());
    panel(failures_panel).setToolTip(ui_text::failures_tip.toString());
    // On the minute, to the millisecond: a coarse timer may wake early and again.
    m_clock.setSingleShot(true);
    m_clock.setTimerType(Qt::PreciseTimer);
    connect(&m_clock, &QTimer::timeout, this, &StatusBar::refresh_clock);
    m_lock_events = watch_lock_keys([this] { refresh_locks(); });
    // Without the window system's events the lights are asked for when they may
    // have changed: at each key this program gets, and when it becomes active
    // again, as a key another program had can only matter from then on.
    if (!m_lock_events) {
        qApp->installEventFilter(this);
        connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
            if (state == Qt::ApplicationActive)
                refresh_locks();
        });
    }
    refresh_indicators();
}

StatusBar::~StatusBar()
{
    if (!m_lock_events)
        qApp->removeEventFilter(this);
}

QLabel& StatusBar::panel(int n) const
{
    return *m_panels.at(static_cast<std::size_t>(n - 1));
}

void StatusBar::show_game_panels(const Board& board)
{
    // A screen reader hears the tries left beside the misses, and the turn as one.
    const std::tuple<int, const std::u32string&, std::u32string> texts[] = {
        {hits_panel, board.hits_text, board.hits_text},
        {failures_panel, board.misses_text, spoken_misses(board)},
        {turn_panel, board.turn_text, spoken_turn(board)}};
    for (const auto& [n, shown, spoken] : texts)
        show_panel(panel(n), to_qstring(shown), spoken.empty() ? ui_text::no_turn.toString() : to_qstring(spoken));
}

void StatusBar::refresh_indicators()
{
    refresh_locks();
    refresh_clock();
}

void StatusBar::refresh_locks()
{
    const LockKeys locks = read_lock_keys().value_or(LockKeys{});
    show_lock(caps_panel, ui_text::caps_lock, locks.caps_lock);
    show_lock(num_panel, ui_text::num_lock, locks.num_lock);
}

void StatusBar::refresh_clock()
{
    const QDateTime now = QDateTime::currentDateTime();
    for (const auto& [n, format, what] :
         {std::tuple{time_panel, u"hh:mm", ui_text::time}, std::tuple{date_panel, u"dd/MM/yyyy", ui_text::date}}) {
        const QString text = now.toString(QString::fromUtf16(format));
        show_panel(panel(n), text, QStringLiteral("%1 %2").arg(what, text));
    }
    const int into_minute = now.time().second() * 1000 + now.time().msec();
    m_clock.start(60'000 - into_minute);
}

// Dimmed while the lock is off.
void StatusBar::show_lock(int n, QStringView key, bool on)
{
    show_panel(panel(n), key.toString(), QStringLiteral("%1 %2").arg(key, on ? ui_text::lock_on : ui_text::lock_off),
               on);
}

void StatusBar::resizeEvent(QResizeEvent*)
{
    for (int n = 1; n <= panel_count; ++n)
        panel(n).setGeometry(panel_width * (n - 1), 2, panel_width, height() - 2);
}

// Each key event reaches the window handle before any widget: refresh once per event.
bool StatusBar::eventFilter(QObject* receiver, QEvent* event)
{
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && qobject_cast<QWindow*>(receiver))
        refresh_locks();
    return false;
}
