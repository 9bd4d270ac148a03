#include <QAccessible>
#include <QApplication>
#include <QWidget>

#include "ui/announcer_voice.h"

namespace {
// Qt's UI Automation bridge raises a notification (kind Other, the most recent
// one important) for a value change whose value is a string; a widget that
// appears, whatever its role, raises nothing there.
class Notifications final : public AnnouncerVoice, public QAccessible::ActivationObserver {
public:
    Notifications(QWidget* announcer, std::function<void()> listening)
        : m_announcer(announcer), m_listening(std::move(listening))
    {
        QAccessible::installActivationObserver(this);
    }
    ~Notifications() override { QAccessible::removeActivationObserver(this); }

    // From the window the player is in: a screen reader speaks what comes from the window in front.
    void say(const QString& text) override
    {
        QWidget* window = QApplication::activeWindow();
        QAccessibleValueChangeEvent event(window ? window : m_announcer->window(), text);
        QAccessible::updateAccessibility(&event);
    }

    void accessibilityActiveChanged(bool active) override
    {
        if (active)
            m_listening();
    }

private:
    QWidget* m_announcer;
    std::function<void()> m_listening;
};
} // namespace

std::unique_ptr<AnnouncerVoice> make_announcer_voice(QWidget* announcer, std::function<void()> listening)
{
    return std::make_unique<Notifications>(announcer, std::move(listening));
}
