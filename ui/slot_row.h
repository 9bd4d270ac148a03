#pragma once
#include <QWidget>
#include <string>
#include <vector>

#include "design.h"

// The copies of the slot `Label2`: an underlined letter, or an underlined blank
// until the letter is guessed. Painted by the row, not by one widget per slot, so a
// wide capital such as "M" may reach past its slot's edge without being cut.
class SlotRow final : public QWidget {
    Q_OBJECT
public:
    // `slot` is the template's place in the window; the row spans `width` from the window's left.
    SlotRow(QWidget* window, TwipsRect slot, int width);

    // The slots of Board::Label2, element 0 being the template.
    void show_slots(const std::vector<std::u32string>& slots, const std::u32string& shown_word);
    // Where slot i stands in the window; slot 0 is the template.
    QRect slot_rect(int i) const;
    int slot_count() const { return static_cast<int>(m_captions.size()); }
    QString caption(int i) const { return m_captions.at(i - 1); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect m_template;
    QStringList m_captions; // slots 1 to n
};
