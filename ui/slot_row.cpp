#include "ui/slot_row.h"

#include <QPainter>

#include "engine/board.h"
#include "engine/spoken_word.h"
#include "engine/word_slots.h"
#include "ui/main_window_layout.h"
#include "ui/unicode_text.h"

namespace {
constexpr int pitch = main_window_layout::slot_pitch / twips_per_pixel;
}

SlotRow::SlotRow(QWidget* window, TwipsRect slot, int width) : QWidget(window), m_template(to_pixels(slot))
{
    setObjectName(QString::fromLatin1(main_window_layout::slot_template.object_name));
    setGeometry(0, m_template.top(), width, m_template.height());
    setFocusPolicy(Qt::TabFocus);
    m_speak.setSingleShot(true);
    connect(&m_speak, &QTimer::timeout, this, [this] { setAccessibleName(m_spoken); });
    QFont font = design_font(main_window_layout::slot_font);
    font.setUnderline(false); // drawn by hand: Qt draws no underline under a lone blank
    setFont(font);
}

void SlotRow::show_slots(const Board& board)
{
    const WordSlots& slots = board.slots;
    const auto fitting = static_cast<std::size_t>((width() - m_template.left() - 1) / pitch);
    m_captions.clear();
    for (std::size_t i = 0; i < std::min(slots.size(), fitting); ++i)
        m_captions.append(to_qstring(std::u32string(1, slots.shown(i))));
    m_spoken = to_qstring(spoken_board_word(board, fitting));
    if (accessibleName().isEmpty())
        setAccessibleName(m_spoken);
    m_speak.start(0);
    update();
}

QRect SlotRow::slot_rect(int i) const
{
    return m_template.translated(i * pitch, 0);
}

void SlotRow::paintEvent(QPaintEvent*)
{
    if (shown_count() == 0)
        return; // before the first word: its font is loaded when one is shown, not at start-up
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    const int baseline = metrics.ascent();
    const int underline = baseline + metrics.underlinePos();
    for (int i = 1; i <= shown_count(); ++i) {
        const QString& text = m_captions.at(i - 1);
        const int left = slot_rect(i).left() - x();
        painter.drawText(left, baseline, text);
        const int width = metrics.horizontalAdvance(text);
        painter.fillRect(left, underline, width, std::max(1, metrics.lineWidth()),
                         palette().color(QPalette::WindowText));
    }
}
