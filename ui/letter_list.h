#pragma once
#include <QListWidget>

// The lists of the letters tried, right and wrong. A dead key composes its accented letter
// only for a widget that takes input methods, and an item view takes them only
// while it edits an item; these lists always take them, so "´" then "o" reaches the
// game as "ó" whichever list has the focus. A typed letter is a guess, not a
// search: it never moves the current line, which a screen reader would read out.
class LetterList final : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void keyboardSearch(const QString&) override {}
};
