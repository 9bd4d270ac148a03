#pragma once
#include <QString>
#include <functional>
#include <memory>

class QWidget;

// How a saying reaches the screen reader, the platform's own way. Each text
// given is said once, whole.
class AnnouncerVoice {
public:
    virtual ~AnnouncerVoice() = default;
    virtual void say(const QString& text) = 0;
};

// The voice of an announcer on the board. Where a screen reader starts
// listening only once it asks the window for its controls (Windows), listening
// is called each time it asks; elsewhere the program knows from its start.
std::unique_ptr<AnnouncerVoice> make_announcer_voice(QWidget* announcer, std::function<void()> listening);
