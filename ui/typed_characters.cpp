#include "typed_characters.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

#include "unicode_text.h"

TypedCharacters::TypedCharacters(QWidget& window, std::function<void(char32_t)> typed)
    : m_window(window), m_typed(std::move(typed))
{
    qApp->installEventFilter(this);
}

TypedCharacters::~TypedCharacters()
{
    qApp->removeEventFilter(this);
}

bool TypedCharacters::eventFilter(QObject* receiver, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && from_window(receiver)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab)
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
    return widget && widget == QGuiApplication::focusObject() && widget->window() == &m_window
           && m_window.isActiveWindow();
}

void TypedCharacters::hand_over(const QString& text)
{
    for (char32_t c : typed_text(text))
        m_typed(c);
}
