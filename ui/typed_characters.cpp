#include "ui/typed_characters.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

#include "ui/unicode_text.h"

TypedCharacters::TypedCharacters(QWidget& window, std::function<void(char32_t)> typed)
    : m_window(window), m_typed(std::move(typed))
{
    qApp->installEventFilter(this);
}

TypedCharacters::~TypedCharacters()
{
    qApp->removeEventFilter(this);
}

namespace {
// Enter, Backspace, Escape and Ctrl+letter type control characters that count
// as moves; Delete and Alt+letter type nothing, as on the keyboards the game
// was first played on.
bool typed_by_player(char32_t c)
{
    return c >= 0x20 ? c != 0x7F : c != 0 && c <= 0x1B;
}

bool types_something(const QKeyEvent& key)
{
    return key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab &&
           !(key.modifiers() & (Qt::AltModifier | Qt::MetaModifier));
}
} // namespace

bool TypedCharacters::eventFilter(QObject* receiver, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && from_window(receiver)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (types_something(*key))
            hand_over(key->text());
    } else if (event->type() == QEvent::InputMethod && from_window(receiver)) {
        hand_over(static_cast<QInputMethodEvent*>(event)->commitString());
    }
    return false;
}

// One key press is offered to the window handle, the focus widget and its parents
// in turn; only the first widget that receives it counts, so each character counts once.
bool TypedCharacters::from_window(QObject* receiver) const
{
    const auto* widget = qobject_cast<QWidget*>(receiver);
    return widget && widget == QGuiApplication::focusObject() && widget->window() == &m_window &&
           m_window.isActiveWindow();
}

void TypedCharacters::hand_over(const QString& text)
{
    for (char32_t c : typed_text(text)) {
        if (typed_by_player(c))
            m_typed(c);
    }
}
