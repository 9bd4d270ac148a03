#pragma once
#include <QTimer>
#include <QWidget>

#include "ui/design.h"

struct Board;

// The slots of the word: an underlined letter, or an underlined blank until the
// letter is found. Painted by the row, not by one widget per slot, so a wide
// capital such as "M" may reach past its slot's edge without being cut. Only the
// slots that fit in front of the frame "Colgado" are shown, so a word of any
// length costs the same to draw. Tab reaches it, and a screen reader reads its
// name: the word's length and every slot shown, told once per change of the
// board however many steps made it.
class SlotRow final : public QWidget {
    Q_OBJECT
public:
    // `slot` is the template's place in the window; the row spans `width` from the window's left.
    SlotRow(QWidget* window, TwipsRect slot, int width);

    void show_slots(const Board& board);
    // Where slot i (from 1) stands in the window; slot 0 is the template's place.
    QRect slot_rect(int i) const;
    int shown_count() const { return static_cast<int>(m_captions.size()); }
    QString caption(int i) const { return m_captions.at(i - 1); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect m_template;
    QStringList m_captions; // the slots shown, from slot 1
    QString m_spoken;
    QTimer m_speak;
};
