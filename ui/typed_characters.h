#pragma once
#include <QObject>
#include <functional>

class QWidget;

// Hands every character typed while `window` is the active window to `typed`,
// whichever of its controls holds the focus, before that control sees it; the
// character then goes on unchanged. Keys that type nothing (Shift, locks, F-keys,
// arrows, Delete, Alt+letter) and Tab, which moves the focus, are no characters;
// Enter, Backspace, Escape and Ctrl+letter are. Text composed by an input method
// (a dead key and a letter) arrives as its committed characters.
class TypedCharacters final : public QObject {
    Q_OBJECT
public:
    TypedCharacters(QWidget& window, std::function<void(char32_t)> typed);
    ~TypedCharacters() override;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    bool from_window(QObject* receiver) const;
    void hand_over(const QString& text);

    QWidget& m_window;
    std::function<void(char32_t)> m_typed;
};
