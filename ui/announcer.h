#pragma once
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class AnnouncerVoice;

// Says a text through the screen reader without moving the focus. Texts given
// within a short while are said together, once. The announcer itself stays
// hidden, named at once with what is being said.
class Announcer final : public QWidget {
    Q_OBJECT
public:
    // listening is called where a screen reader makes itself known only after
    // the program's start (see make_announcer_voice).
    Announcer(QWidget* parent, std::function<void()> listening);
    ~Announcer() override;
    void announce(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void say_pending();

    std::unique_ptr<AnnouncerVoice> m_voice;
    QString m_pending;
    QTimer m_gather;
};
