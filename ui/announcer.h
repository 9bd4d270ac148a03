#pragma once
#include <QTimer>
#include <QWidget>
#include <vector>

// One thing said: a widget of the notification role, which screen readers
// speak when it appears. It takes no room on screen.
class Notice final : public QWidget {
    Q_OBJECT
public:
    explicit Notice(QWidget* parent);
    void say(const QString& text);
};

// Says a text through the screen reader without moving the focus. Texts given
// within a short while are said together; each saying is a notice of its own,
// so a screen reader that reads them late still finds each whole, none
// replaced by the next. The announcer itself stays hidden, named at once with
// what is being said.
class Announcer final : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);
    void announce(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void say_pending();

    std::vector<Notice*> m_notices; // taken in turn
    std::size_t m_next = 0;
    QString m_pending;
    QTimer m_gather;
};
