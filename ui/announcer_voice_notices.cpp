#include <QWidget>
#include <vector>

#include "ui/announcer_voice.h"

namespace {
// Enough that a notice is not taken again before a screen reader has read it.
constexpr std::size_t notice_count = 8;
} // namespace

// One thing said: a widget of the notification role, which screen readers
// speak when it appears. It takes no room on screen.
class Notice final : public QWidget {
    Q_OBJECT
public:
    explicit Notice(QWidget* parent) : QWidget(parent)
    {
        setFixedSize(0, 0);
        hide();
    }

    // Hidden first, so every text appears anew, even the same one twice.
    void say(const QString& text)
    {
        hide();
        setAccessibleName(text);
        show();
    }
};

namespace {
// Each saying is a notice of its own, so a screen reader that reads them late
// still finds each whole, none replaced by the next.
class Notices final : public AnnouncerVoice {
public:
    explicit Notices(QWidget* announcer) : m_board(announcer->parentWidget()) {}

    // Made as they are first needed, so every notice there is has something to say.
    void say(const QString& text) override
    {
        if (m_notices.size() < notice_count)
            m_notices.push_back(new Notice(m_board));
        Notice* notice = m_notices.at(m_next);
        m_next = (m_next + 1) % notice_count;
        notice->say(text);
    }

private:
    QWidget* m_board;
    std::vector<Notice*> m_notices; // taken in turn
    std::size_t m_next = 0;
};
} // namespace

// The accessibility bus tells the program from its start whether a screen reader listens.
std::unique_ptr<AnnouncerVoice> make_announcer_voice(QWidget* announcer, std::function<void()>)
{
    return std::make_unique<Notices>(announcer);
}

#include "announcer_voice_notices.moc"
