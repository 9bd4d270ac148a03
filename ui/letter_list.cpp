#include "ui/letter_list.h"

QVariant LetterList::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImEnabled)
        return true;
    return QListWidget::inputMethodQuery(query);
}
