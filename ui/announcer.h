#pragma once
#include <QWidget>

// Says a text through the screen reader without moving the focus: a widget of
// the notification role, shown anew with each text, which screen readers speak
// when it appears. It takes no room on screen.
class Announcer final : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);
    void announce(const QString& text);
};
