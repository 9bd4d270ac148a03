#include "slot_row.h"

#include <QPainter>

#include "form1_layout.h"
#include "texts.h"
#include "unicode_text.h"

SlotRow::SlotRow(QWidget* window, TwipsRect slot, int width)
    : QWidget(window), m_template(to_pixels(slot))
{
    setObjectName(QStringLiteral("SlotRow"));
    setGeometry(0, m_template.top(), width, m_template.height());
    setAccessibleName(ui_text::word_shown.toString());
    QFont font = design_font(form1_layout::slot_font);
    font.setUnderline(false); // drawn by hand: Qt draws no underline under a lone blank
    setFont(font);
}

void SlotRow::show_slots(const std::vector<std::u32string>& slots, const std::u32string& shown_word)
{
    m_captions.clear();
    for (std::size_t i = 1; i < slots.size(); ++i)
        m_captions.append(to_qstring(slots[i]));
    setAccessibleDescription(to_qstring(shown_word));
    update();
}

QRect SlotRow::slot_rect(int i) const
{
    return m_template.translated(i * form1_layout::slot_pitch / twips_per_pixel, 0);
}

void SlotRow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    const int baseline = metrics.ascent();
    const int underline = baseline + metrics.underlinePos();
    for (int i = 1; i <= slot_count(); ++i) {
        const QString& text = m_captions.at(i - 1);
        const int left = slot_rect(i).left() - x();
        painter.drawText(left, baseline, text);
        const int width = metrics.horizontalAdvance(text);
        painter.fillRect(left, underline, width, std::max(1, metrics.lineWidth()),
                         palette().color(QPalette::WindowText));
    }
}
