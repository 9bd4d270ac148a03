#pragma once
#include <QListWidget>

// The lists of the letters tried, right and wrong. A dead key composes its accented letter
// only for a widget that takes input methods, and an item view takes them only
// while it edits an item; these lists always take them, so "´" then "o" reaches the
// game as "ó" whichever list has the focus.
class LetterList final : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
};
