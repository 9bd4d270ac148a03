#include "picture_box.h"

#include <QPainter>

#include "pictures.h"

PictureBox::PictureBox(QWidget* parent, QString picture) : QWidget(parent), m_picture(std::move(picture))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_pixmap(m_picture, size(), devicePixelRatioF()));
}
