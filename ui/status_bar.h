#pragma once
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

#include "ui/lock_keys.h"

class QLabel;
struct Board;

// The status bar: seven panels of 96 pixels. Panels 1 to 4 (Caps Lock, Num Lock,
// time, date) keep themselves current, the clock waking once a minute and the
// lock lights at the window system's word or, where it sends none, at each key
// the game gets and each time it becomes active; panels 5 to 7 show what the
// game wrote. Nothing polls.
class StatusBar final : public QWidget {
    Q_OBJECT
public:
    static constexpr int panel_count = 7;
    static constexpr int panel_width = 96;

    explicit StatusBar(QWidget* parent);
    ~StatusBar() override;

    void show_game_panels(const Board& board);
    // Panel n, counted from 1.
    QLabel& panel(int n) const;
    void refresh_indicators();

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void show_lock(int n, QStringView key, bool on);
    void refresh_locks();
    void refresh_clock();

    std::array<QLabel*, panel_count> m_panels{};
    QTimer m_clock;
    std::unique_ptr<LockKeyEvents> m_lock_events;
};
