#pragma once
#include <QWidget>
#include <functional>

#include "engine/add_words.h"

class QLineEdit;

// The add-words dialog: a fixed tool window over the add-words logic of one
// opening; it is destroyed when it closes, so the next opening starts empty.
class AddWordsDialog final : public QWidget, public AddWordsView {
    Q_OBJECT
public:
    AddWordsDialog(WordFile& words, Prompts& prompts);

    void show_text(const std::u32string& text, std::size_t caret) override;
    void beep() override;
    void close_dialog() override;
    void announce(std::u32string_view text) override;
    // Where what the dialog did is said: it closes as it says it.
    void speak_through(std::function<void(std::u32string_view)> say) { m_say = std::move(say); }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    void text_changed(const QString& text);

    AddWords m_logic;
    QLineEdit* m_word = nullptr;
    std::function<void(std::u32string_view)> m_say;
};
