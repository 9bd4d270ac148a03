#include "ui/picture_box.h"

#include <QPainter>

#include "ui/art/picture.h"

PictureBox::PictureBox(QWidget* parent, art::PictureName picture) : QWidget(parent), m_picture(picture)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(art::natural_size(picture));
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, art::picture(m_picture, devicePixelRatioF()));
}
