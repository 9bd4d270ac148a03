#include "ui/about_box.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "engine/spoken_text.h"
#include "ui/about_box_layout.h"
#include "ui/design_widget.h"
#include "ui/picture_box.h"
#include "ui/unicode_text.h"

namespace layout = about_box_layout;

AboutBox::AboutBox(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("aboutBox"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(ui_text::about_title.toString());
    setAccessibleName(to_qstring(spoken_text::about_title));
    setFont(design_font(ms_sans_serif_8));
    setFixedSize(to_pixels(layout::client_area).size());

    auto* ok = make_control<QPushButton>(this, layout::ok_button);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* box = make_control<QFrame>(this, layout::icon_box);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* icon = new PictureBox(box, art::PictureName::program_icon);
    icon->move(box->contentsRect().center() - icon->rect().center());
    box->setAccessibleName(ui_text::program_icon.toString());

    for (const DesignControl& text : layout::texts)
        make_control<QLabel>(this, text)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The design's mixed capitals are spelt out by a speech synthesizer.
    findChild<QLabel*>(QStringLiteral("title"))->setAccessibleName(to_qstring(spoken_text::program_title));
    ok->setFocus();
}

void AboutBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (const auto& line : layout::rule) {
        painter.setPen(QPen(line.colour, line.width, Qt::SolidLine, Qt::FlatCap));
        const qreal offset = line.width / 2.0; // a pen of width w is centred on its line
        painter.drawLine(QPointF(to_pixels(line.x1), to_pixels(line.y1) + offset),
                         QPointF(to_pixels(line.x2), to_pixels(line.y2) + offset));
    }
}
