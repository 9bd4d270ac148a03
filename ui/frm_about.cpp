#include "frm_about.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "design_widget.h"
#include "frm_about_layout.h"
#include "picture_box.h"

using frm_about_layout::controls;

FrmAbout::FrmAbout(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(ui_text::about_title.toString());
    setFont(design_font(ms_sans_serif_8));
    setFixedSize(to_pixels(frm_about_layout::client_area).size());

    auto* ok = make_control<QPushButton>(this, design(controls, "cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* box = make_control<QFrame>(this, design(controls, "picIcon"));
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* icon = new PictureBox(box, art::PictureName::program_icon);
    icon->move(box->contentsRect().center() - icon->rect().center());
    box->setAccessibleName(ui_text::program_icon.toString());

    for (const char* name : {"lblDescription", "lblTitle", "lblVersion", "Label1"}) {
        auto* label = make_control<QLabel>(this, design(controls, name));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    ok->setFocus();
}

void FrmAbout::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (const auto& line : frm_about_layout::rule) {
        painter.setPen(QPen(line.colour, line.width, Qt::SolidLine, Qt::FlatCap));
        const qreal offset = line.width / 2.0; // a pen of width w is centred on its line
        painter.drawLine(QPointF(to_pixels(line.x1), to_pixels(line.y1) + offset),
                         QPointF(to_pixels(line.x2), to_pixels(line.y2) + offset));
    }
}
