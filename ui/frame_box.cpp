#include "ui/frame_box.h"

#include <QPainter>

namespace {
constexpr int caption_left = 6;
constexpr int caption_padding = 2;
} // namespace

void FrameBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect border = rect().adjusted(0, metrics.height() / 2, -2, -2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));
    if (title().isEmpty())
        return;
    const QRect caption(caption_left, 0, metrics.horizontalAdvance(title()) + 2 * caption_padding, metrics.height());
    painter.fillRect(caption, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}
